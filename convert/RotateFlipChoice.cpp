#include "convert/RotateFlipChoice.h"

using platform::RotateFlipType;

RotateFlipChoice ChooseRotateFlip(int angle, int flip)
{
    static constexpr RotateFlipType kTable[4][3] = {
        {RotateFlipType::RotateNoneFlipNone, RotateFlipType::RotateNoneFlipX, RotateFlipType::RotateNoneFlipY},
        {RotateFlipType::Rotate90FlipNone, RotateFlipType::Rotate90FlipX, RotateFlipType::Rotate90FlipY},
        {RotateFlipType::Rotate180FlipNone, RotateFlipType::Rotate180FlipX, RotateFlipType::Rotate180FlipY},
        {RotateFlipType::Rotate270FlipNone, RotateFlipType::Rotate270FlipX, RotateFlipType::Rotate270FlipY},
    };
    int row = 0;
    bool known = true;
    switch (angle) {
    case 0: row = 0; break;
    case 90: row = 1; break;
    case 180: row = 2; break;
    case 270: row = 3; break;
    default: known = false; break;
    }
    const int column = (flip >= 0 && flip <= 2) ? flip : 0;
    return RotateFlipChoice{kTable[row][column], known};
}

bool TurnsAQuarter(platform::RotateFlipType type)
{
    // The odd types turn by 90 or 270 degrees, whatever their flip.
    return (static_cast<int>(type) & 1) != 0;
}
