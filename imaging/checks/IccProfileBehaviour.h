#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// Whether a colour profile for a picture with colourBands colour bands (1 grey, 3 RGB) behaves
// through the relative colorimetric conversion into sRGB the engine makes: lcms2 takes it for that
// intent, its white comes out near white, and its black and (for RGB) its primaries come out as
// distinct, finite colours. A zero or singular colorant matrix, a tone curve of gamma 0, NaN or
// overflowing values fail: applied, they would turn the picture black, white or false.
bool IccProfileBehaves(const std::uint8_t* data, std::size_t size, int colourBands);

}  // namespace platform
