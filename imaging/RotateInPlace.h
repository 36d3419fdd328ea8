#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Turns and mirrors an 8-bit RGB picture (3 bytes a pixel, rows packed) in its own memory, so a
// picture as large as memory allows never needs a second copy. type is a rotate-flip value
// (0-7: none, 90, 180, 270 clockwise, then the same mirrored left-right); width and height become
// the turned picture's. The only memory used beside the pixels is bounded by
// kRotateScratchBytes plus a bit per block of 8 to 128 pixels. Returns false, leaving the pixels unchanged,
// when type is unknown or that memory cannot be had.
bool RotateFlipInPlace(std::uint8_t* pixels, int& width, int& height, int type);

// Largest working copy the rotation takes of part of a picture to turn it quickly.
inline constexpr std::size_t kRotateScratchBytes = std::size_t{16} << 20;

}  // namespace platform
