#include "batch/CaptionLayout.h"

#include <algorithm>
#include <cmath>

#include <QFontInfo>
#include <QGuiApplication>

#include "imaging/TextDrawing.h"

namespace {

QFont FontAt(const CaptionStyle& style, int pixels)
{
    QFont font = style.family.isEmpty() ? QGuiApplication::font() : QFont(style.family);
    font.setPixelSize(pixels);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

// The room the caption has: within the margins for a place, right of and below a point.
QSize Room(const CaptionStyle& style, const QSize& picture, int margin)
{
    if (style.place != CaptionPlace::AtPoint)
        return {picture.width() - 2 * margin, picture.height() - 2 * margin};
    const int x = style.x < picture.width() ? style.x : 0;
    const int y = style.y < picture.height() ? style.y : 0;
    return {picture.width() - x, picture.height() - y};
}

int Along(int column, int side, int extent, int margin)
{
    switch (column) {
    case 0: return margin;
    case 1: return (side - extent) / 2;
    default: return side - margin - extent;
    }
}

}  // namespace

CaptionLayout LayOutCaption(const QString& text, const CaptionStyle& style, const QSize& picture)
{
    CaptionLayout layout;
    const int shorter = std::min(picture.width(), picture.height());
    const int margin = std::clamp(static_cast<int>(std::lround(style.margin.PixelsOf(shorter))), 0, shorter / 2);
    layout.askedPixels = std::max(1, static_cast<int>(std::lround(style.size.PixelsOf(picture.height()))));
    layout.pixels = layout.askedPixels;
    layout.font = FontAt(style, layout.pixels);
    if (QFontInfo(layout.font).family().isEmpty()) {
        layout.fontMissing = true;
        return layout;
    }
    const QSize room = Room(style, picture, margin);
    QSizeF box = platform::MeasureString(text, layout.font);
    // Scaled once by what is too much, then a pixel at a time for what rounding leaves over.
    if (box.width() > room.width() || box.height() > room.height()) {
        const double scale = std::min(room.width() / box.width(), room.height() / box.height());
        layout.pixels = std::min(layout.pixels - 1, static_cast<int>(std::floor(layout.pixels * scale)));
        for (;;) {
            if (layout.pixels < kSmallestCaptionPixels) {
                layout.fits = false;
                return layout;
            }
            layout.font = FontAt(style, layout.pixels);
            box = platform::MeasureString(text, layout.font);
            if (box.width() <= room.width() && box.height() <= room.height())
                break;
            --layout.pixels;
        }
    }
    if (style.place == CaptionPlace::AtPoint) {
        layout.x = style.x;
        layout.y = style.y;
        return layout;
    }
    const int place = static_cast<int>(style.place);
    const int width = static_cast<int>(std::ceil(box.width()));
    const int height = static_cast<int>(std::ceil(box.height()));
    layout.x = std::max(0, Along(place % 3, picture.width(), width, margin));
    layout.y = std::max(0, Along(place / 3, picture.height(), height, margin));
    return layout;
}
