#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Whether the classic TIFF in data has an ordinary picture (one whose photometric interpretation
// is not a sensor's colour filter array or linear raw data) with its first strip or tile at
// offset. Camera RAWs built on TIFF keep their sensor data in IFDs that say so, or that say
// nothing, so such a file is not one to develop. False for BigTIFF and for anything unreadable.
bool TiffHasPictureAt(const std::uint8_t* data, std::size_t size, std::uint64_t offset);

}  // namespace platform
