#pragma once
// Private to imaging: uses libvips types.
#include <optional>
#include <string_view>

#include <vips/vips8>

namespace platform {

// A declared resolution in dots per inch, or 96 when there is none, it is no positive number, or
// it is 25.4 dpi: one pixel per millimetre, what libvips writes when a picture has no resolution.
double DeclaredOrDefault(std::optional<double> dpi);

// The resolution a frame loader read (header) is converted at: the photo's own, or 96 dpi. A HEIF's
// is looked up in its EXIF, which libvips' loader passes over.
double FrameResolution(std::string_view loader, const vips::VImage& header);

}  // namespace platform
