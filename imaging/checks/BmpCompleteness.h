#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Whether a BMP file holds all the pixel data its header declares: for uncompressed pictures
// the file must reach the last row, for run-length ones the runs must set every pixel (no early
// end of a line or of the picture, no jump). Qt's reader leaves whatever is missing unset, so a
// cut or damaged file would otherwise open with undefined pixels.
// A header this cannot read is passed on for the decoder to refuse.
bool BmpIsComplete(const std::uint8_t* data, std::size_t size);

}  // namespace platform
