#pragma once
#include <QFont>
#include <QRect>

namespace platform {

// The dialog base units of a font: its average character width and its height, in pixels.
struct BaseUnits {
    int x;
    int y;
};

BaseUnits BaseUnitsOf(const QFont& font);

// A rectangle in dialog units to pixels: x by base x / 4, y by base y / 8, rounded.
QRect DialogUnitsToPixels(int x, int y, int cx, int cy, BaseUnits units);

}  // namespace platform
