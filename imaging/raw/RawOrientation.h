#pragma once
// Private to imaging: uses libvips types.
#include <vips/vips8>

namespace platform {

// pixels turned as LibRaw turns a development for its flip value (bit 0 mirrors left-right, bit 1
// top-bottom, then bit 2 swaps rows and columns: 3 is 180, 5 is 90 anticlockwise, 6 is 90
// clockwise), so that an embedded thumbnail stored as the sensor saw it matches the photo.
vips::VImage OrientAsDeveloped(const vips::VImage& pixels, int flip);

}  // namespace platform
