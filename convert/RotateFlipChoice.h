#pragma once
#include "imaging/RotateFlipType.h"

struct RotateFlipChoice {
    platform::RotateFlipType type;
    bool angleKnown;  // false: the angle is not 0, 90, 180 or 270
};

// The rotate-flip for a rotation in degrees and a flip (0 none, 1 horizontal, 2 vertical).
// An unknown angle keeps the picture unrotated but still flips it; an unknown flip does not flip.
RotateFlipChoice ChooseRotateFlip(int angle, int flip);

// Whether type turns the picture a quarter, so that its width and height trade places.
bool TurnsAQuarter(platform::RotateFlipType type);
