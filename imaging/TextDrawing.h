#pragma once
#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QString>

#include "imaging/Status.h"

namespace platform {

class Bitmap;

// Draws text as one line onto the bitmap in an opaque colour, with (x, y) the top-left corner of
// the line's box: not wrapped, clipped only by the bitmap's edges, anti-aliased.
Status DrawString(Bitmap& bitmap, const QString& text, const QFont& font, const QColor& colour, int x, int y);

// The box DrawString gives text in font: as wide as its ink or its advance, whichever is wider,
// and as high as the line (ascent and descent).
QSizeF MeasureString(const QString& text, const QFont& font);

}  // namespace platform
