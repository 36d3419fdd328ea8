#include "settings/FontRecordConversion.h"

#include <algorithm>
#include <cmath>

#include <QFontInfo>
#include <QFontMetricsF>

namespace {

constexpr int kNormalWeight = 400;

int ClampedPixels(std::int64_t pixels)
{
    return static_cast<int>(std::clamp<std::int64_t>(pixels, 1, kMaxFontPixels));
}

// The em height that gives font a cell (ascent plus descent) of cellHeight pixels.
int EmForCellHeight(QFont font, int cellHeight)
{
    constexpr int kProbe = 1000;
    font.setPixelSize(kProbe);
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell <= 0)
        return cellHeight;
    return static_cast<int>(std::lround(cellHeight * (kProbe / cell)));
}

}  // namespace

QFont FontFromRecord(const LOGFONTW& record)
{
    QFont font;
    if (!record.lfFaceName.isEmpty())
        font.setFamilies({record.lfFaceName.left(kFaceNameChars)});
    const int weight = record.lfWeight <= 0 ? kNormalWeight : std::min(record.lfWeight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(record.lfItalic != 0);
    font.setUnderline(record.lfUnderline != 0);
    font.setStrikeOut(record.lfStrikeOut != 0);

    const std::int64_t height = record.lfHeight;
    if (height < 0)
        font.setPixelSize(ClampedPixels(-height));
    else if (height > 0)
        font.setPixelSize(ClampedPixels(EmForCellHeight(font, ClampedPixels(height))));

    if (record.lfWidth != 0) {
        // The average character width asked for, as a stretch of the font's own.
        const qreal natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0) {
            const qreal stretch = 100.0 * std::abs(static_cast<qreal>(record.lfWidth)) / natural;
            font.setStretch(static_cast<int>(std::clamp<qreal>(std::round(stretch), 1, 4000)));
        }
    }
    return font;
}

LOGFONTW RecordFromFont(const QFont& font)
{
    // What the font system really gives, not the name asked for: that is what gets drawn.
    const QFontInfo actual(font);
    LOGFONTW record;
    record.lfHeight = -actual.pixelSize();
    record.lfWeight = font.weight();
    record.lfItalic = font.italic() ? 1 : 0;
    record.lfUnderline = font.underline() ? 1 : 0;
    record.lfStrikeOut = font.strikeOut() ? 1 : 0;
    record.lfFaceName = actual.family().left(kFaceNameChars);
    return record;
}

QColor ColourFromColorref(COLORREF colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

COLORREF ColorrefFromColour(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return COLORREF(rgb.red()) | (COLORREF(rgb.green()) << 8) | (COLORREF(rgb.blue()) << 16);
}
