#pragma once
// Private to imaging: uses libvips types.
#include <optional>
#include <string_view>

#include <vips/vips8>

namespace platform {

// The resolution in dots per inch from EXIF's XResolution and ResolutionUnit as libvips gives
// them as text ("72/1 (72, Rational, ...)", "2 (Inch, Short, ...)"); an empty unit is inches, as
// in EXIF. Nothing when the text gives no positive resolution or names no unit of length.
std::optional<double> DpiFromExifText(std::string_view resolution, std::string_view unit);

// The resolution the EXIF of header declares, as above.
std::optional<double> ExifDeclaredDpi(const vips::VImage& header);

}  // namespace platform
