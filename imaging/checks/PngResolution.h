#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

namespace platform {

// The horizontal resolution a PNG declares in its pHYs chunk, in dots per inch; nothing when it
// has none before its image data, or one in no unit (an aspect ratio only). libvips' loader
// reports 72 dpi for a PNG without pHYs, indistinguishable from one that declares it.
std::optional<double> PngDeclaredDpi(const std::uint8_t* data, std::size_t size);

}  // namespace platform
