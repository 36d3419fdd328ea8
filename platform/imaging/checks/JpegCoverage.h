#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Whether the compressed data of a JPEG file covers its whole picture. A file whose data ends
// (at its end-of-image marker) while rows of the picture are still to come is refused: libjpeg
// only warns "premature end of data segment" and fills the rest grey, as it does for a header
// whose size was raised over a smaller picture's data. Harmless damage cameras leave (stray
// bytes before a marker, a restart marker out of place, a few bytes missing from the last row)
// passes. A file libjpeg cannot read at all also passes: the decoder refuses it itself.
bool JpegDataCoversPicture(const std::uint8_t* data, std::size_t size);

}  // namespace platform
