#pragma once
// Private to imaging: uses libvips types.
#include <vips/vips8>

#include "imaging/RotateFlipType.h"

namespace platform {

// The turn that stands a photo upright whose camera recorded EXIF orientation value orientation
// (1 upright, 6 turned a quarter anticlockwise, ...); none for values outside 1 to 8.
RotateFlipType TurnForOrientation(int orientation);

// Whether turn swaps width and height.
bool SwapsSides(RotateFlipType turn);

// The orientation the photo's metadata records, as recorded (outside 1 to 8 where the file says
// so); 1 when it records none.
int RecordedOrientation(const vips::VImage& header);

// pixels turned by turn, for pictures small enough to hold (previews); a whole frame is turned in
// the output bitmap's own memory instead (see RotateFlipInPlace).
vips::VImage Turned(const vips::VImage& pixels, RotateFlipType turn);

}  // namespace platform
