#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Whether a BMP file holds all the pixel data its header declares: for uncompressed pictures
// the file must reach the last row, for run-length ones the runs must reach the end of the
// picture. Qt's reader fills whatever is missing with black, so a cut file would otherwise open.
// A header this cannot read is passed on for the decoder to refuse.
bool BmpIsComplete(const std::uint8_t* data, std::size_t size);

}  // namespace platform
