#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

namespace platform {

// The bits per sample declared by the classic TIFF's IFD whose picture data is at offset (its
// first strip or tile starts there, or, for several tiles, its list of tile offsets is there,
// which is where a RAW decoder points). Nothing when no IFD has it or that IFD declares none. A
// RAW decoder that meets 0 quietly assumes some width of its own and develops noise.
std::optional<std::uint32_t> TiffSampleBitsAt(const std::uint8_t* data, std::size_t size, std::uint64_t offset);

}  // namespace platform
