#include "widgets/DialogUnits.h"

#include <QFontMetrics>

namespace platform {
namespace {
// Multiplies then divides, rounding half away from zero.
int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}
}  // namespace

BaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = metrics.horizontalAdvance(alphabet);
    return BaseUnits{(width / 26 + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(int x, int y, int cx, int cy, BaseUnits units)
{
    return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4), MulDiv(cy, units.y, 8));
}

}  // namespace platform
