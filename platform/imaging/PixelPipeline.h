#pragma once
#include <vips/vips8>

namespace platform {

inline constexpr double kDefaultDpi = 96.0;

// Side that a preview copy keeps at least, so the preview area is never upsampled much.
inline constexpr int kPreviewSide = 256;

// The resolution a loader reports, or 96 dpi where the photo carries none of its own.
double ResolutionOrDefault(const vips::VImage& image);

// Turns any decoded picture into 8-bit sRGB with 3 bands, or 4 when it has alpha.
vips::VImage NormalisePixels(const vips::VImage& image);

// pixels stretched to exactly width x height with independent scales, keeping their bands.
vips::VImage StretchTo(const vips::VImage& pixels, int width, int height, VipsKernel kernel);

// pixels (3 or 4 bands) stretched to exactly width x height with independent scales,
// composited onto black, as 8-bit RGB.
vips::VImage StretchOntoBlack(const vips::VImage& pixels, int width, int height, VipsKernel kernel);

// A small copy of pixels in memory for the preview, at most kPreviewSide * 2 on its longer side.
vips::VImage PreviewCopy(const vips::VImage& pixels);

// The largest JPEG shrink-on-load factor that keeps at least minWidth x minHeight pixels.
int JpegShrinkFor(int width, int height, int minWidth, int minHeight);

}  // namespace platform
