#pragma once

// The other side of an output at the photo's aspect ratio: the quotient is formed first in
// double precision (so 600 x 110 at width 600 gives 109), then multiplied and truncated toward
// zero. A photo without a size gives 0, which the conversion then refuses.
int HeightForWidth(int photoWidth, int photoHeight, int width);
int WidthForHeight(int photoWidth, int photoHeight, int height);
