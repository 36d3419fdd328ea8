#include "imaging/frames/ExifResolution.h"

#include <charconv>
#include <cmath>
#include <string>

namespace platform {
namespace {

constexpr int kInches = 2;
constexpr int kCentimetres = 3;
constexpr double kCmPerInch = 2.54;

// The number at the start of text, and what follows it.
std::optional<double> Leading(std::string_view& text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return std::nullopt;
    text.remove_prefix(std::size_t(end - text.data()));
    return value;
}

std::string_view Field(const vips::VImage& header, const char* name)
{
    const char* text = nullptr;
    if (vips_image_get_typeof(header.get_image(), name) == 0 ||
        vips_image_get_string(header.get_image(), name, &text) != 0 || text == nullptr)
        return {};
    return text;
}

}  // namespace

std::optional<double> DpiFromExifText(std::string_view resolution, std::string_view unit)
{
    std::optional<double> value = Leading(resolution);
    if (value && resolution.substr(0, 1) == "/") {
        resolution.remove_prefix(1);
        const std::optional<double> denominator = Leading(resolution);
        value = denominator && *denominator != 0 ? std::optional(*value / *denominator) : std::nullopt;
    }
    if (!value || !std::isfinite(*value) || *value <= 0)
        return std::nullopt;
    const std::optional<double> code = unit.empty() ? std::optional<double>(kInches) : Leading(unit);
    if (code == kInches)
        return value;
    if (code == kCentimetres)
        return *value * kCmPerInch;
    return std::nullopt;
}

std::optional<double> ExifDeclaredDpi(const vips::VImage& header)
{
    const std::string_view resolution = Field(header, "exif-ifd0-XResolution");
    return resolution.empty() ? std::nullopt : DpiFromExifText(resolution, Field(header, "exif-ifd0-ResolutionUnit"));
}

}  // namespace platform
