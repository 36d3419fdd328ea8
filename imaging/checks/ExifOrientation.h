#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// The orientation EXIF data records in its first IFD (a TIFF structure, as a PNG's eXIf chunk
// holds it), brought into 1 to 8 as libvips brings the orientation it reads; 1 when none is
// recorded or the data is no TIFF structure.
int ExifOrientation(const std::uint8_t* data, std::size_t size);

}  // namespace platform
