#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// The orientation EXIF data records in its first IFD (a TIFF structure, as a PNG's eXIf chunk
// holds it, after "Exif\0\0" as a JPEG's APP1 does), as recorded: a value outside 1 to 8 is
// not brought into range, since turning the photo by a guess would be wrong. 1 when none is
// recorded or the data is no TIFF structure.
int ExifOrientation(const std::uint8_t* data, std::size_t size);

}  // namespace platform
