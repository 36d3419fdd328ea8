#include "imaging/raw/RawOrientation.h"

namespace platform {

vips::VImage OrientAsDeveloped(const vips::VImage& pixels, int flip)
{
    vips::VImage out = pixels;
    if (flip & 1)
        out = out.flip(VIPS_DIRECTION_HORIZONTAL);
    if (flip & 2)
        out = out.flip(VIPS_DIRECTION_VERTICAL);
    if (flip & 4)  // a transpose: a quarter turn clockwise, mirrored left-right
        out = out.rot(VIPS_ANGLE_D90).flip(VIPS_DIRECTION_HORIZONTAL);
    return out;
}

}  // namespace platform
