#include "convert/KeepRatio.h"

#include <cmath>
#include <limits>

namespace {
int ScaledSide(int numerator, int denominator, int side)
{
    if (numerator <= 0 || denominator <= 0)
        return 0;
    const double q = static_cast<double>(numerator) / static_cast<double>(denominator);
    const double product = std::trunc(q * side);
    // Out-of-range products are clamped instead of overflowing the conversion.
    if (product >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (product <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(product);
}
}  // namespace

int HeightForWidth(int photoWidth, int photoHeight, int width)
{
    return ScaledSide(photoHeight, photoWidth, width);
}

int WidthForHeight(int photoWidth, int photoHeight, int height)
{
    return ScaledSide(photoWidth, photoHeight, height);
}
