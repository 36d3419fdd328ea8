#include "convert/OverlayPosition.h"

OverlayPosition CorrectOverlayPosition(int x, int y, int width, int height)
{
    OverlayPosition p{x, y, false, false};
    if (x >= width || x < 0) {
        p.x = 0;
        p.xReset = true;
    }
    if (y >= height || y < 0) {
        p.y = 0;
        p.yReset = true;
    }
    return p;
}
