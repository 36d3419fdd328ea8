#include "imaging/TextDrawing.h"

#include <algorithm>
#include <mutex>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "imaging/Bitmap.h"

namespace platform {

namespace {
// Qt's font engines are shared by every thread of the process: one line is drawn or measured at a
// time.
std::mutex g_fonts;
}  // namespace

QSizeF MeasureString(const QString& text, const QFont& font)
{
    const std::lock_guard lock(g_fonts);
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.boundingRect(text);
    const double right = std::max(metrics.horizontalAdvance(text), ink.right());
    return {right - std::min(0.0, ink.left()), metrics.ascent() + metrics.descent()};
}

Status DrawString(Bitmap& bitmap, const QString& text, const QFont& font, const QColor& colour, int x, int y)
{
    if (bitmap.IsEmpty())
        return Status::WrongState;
    if (text.isEmpty())
        return Status::Ok;
    const std::lock_guard lock(g_fonts);
    // With no font installed at all (the font system substitutes any unknown face) nothing would be drawn, and a picture without its text is
    // not the picture asked for.
    if (QFontInfo(font).family().isEmpty())
        return Status::FontFamilyNotFound;
    // The painter works on the bitmap's own pixels: no copy of a possibly huge picture.
    QImage surface(bitmap.Bits(), bitmap.Width(), bitmap.Height(), bitmap.Stride(), QImage::Format_RGB888);
    QPainter painter(&surface);
    if (!painter.isActive())
        return Status::GenericError;
    painter.setFont(font);
    painter.setPen(QColor(colour.red(), colour.green(), colour.blue()));
    const QFontMetricsF metrics(font, &surface);
    // drawText places the baseline at the point; the caller gives the top of the line.
    painter.drawText(QPointF(x, y + metrics.ascent()), text);
    return Status::Ok;
}

}  // namespace platform
