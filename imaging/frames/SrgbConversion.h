#pragma once
// Private to imaging: uses libvips types.
#include <vips/vips8>

namespace platform {

// A decoded picture's pixels in sRGB, and whether a colour profile it carried had to be ignored.
struct SrgbPixels {
    vips::VImage pixels;
    bool profileIgnored = false;
};

// decoded converted into sRGB through its embedded ICC profile (8- or 16-bit, RGB or grey, alpha
// kept), keeping its bit depth. A picture without a profile is taken as sRGB and left as it is;
// so is one whose profile is damaged, too large, of another colour space or misbehaving (a
// degenerate matrix or tone curve), which is then told.
// CMYK is left to NormalisePixels, which converts it through its profile. Only builds the
// conversion: no pixel is decoded.
SrgbPixels ConvertedToSrgb(const vips::VImage& decoded);

}  // namespace platform
