#include "app/window/BatchPreviewPicture.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include "batch/CaptionLayout.h"
#include "convert/SizeRule.h"

QImage ComposeBatchPreview(const QImage& upright, const QSize& photoSize, const SeveralPhotosChoices& choices,
                           const QSize& box)
{
    if (upright.isNull() || photoSize.isEmpty() || box.isEmpty())
        return {};
    // A batch turns first, then sizes what it turned: the flip mirrors the turned picture.
    QImage turned = upright.transformed(QTransform().rotate(choices.rotate));
    turned = turned.mirrored(choices.flip == 1, choices.flip == 2);
    const bool quarter = choices.rotate == 90 || choices.rotate == 270;
    const QSize photo = quarter ? photoSize.transposed() : photoSize;
    const QSize output = OutputSizeOf(choices.size, photo.width(), photo.height());
    if (output.width() <= 0 || output.height() <= 0)
        return {};
    const double scale = std::min(static_cast<double>(box.width()) / output.width(),
                                  static_cast<double>(box.height()) / output.height());
    const QSize shown(std::max(1, static_cast<int>(std::lround(output.width() * scale))),
                      std::max(1, static_cast<int>(std::lround(output.height() * scale))));
    // Where the photo is transparent, the background shows, as on the output.
    QImage picture(shown, QImage::Format_RGB32);
    picture.fill(QColor(choices.background));
    QPainter(&picture).drawImage(0, 0, turned.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (!choices.textOn || choices.text.isEmpty())
        return picture;
    const CaptionLayout caption = LayOutCaption(choices.text, choices.caption, output);
    if (caption.fontMissing || !caption.fits)
        return picture;
    QFont font = caption.font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(caption.pixels * scale))));
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(choices.caption.colour);
    painter.drawText(QPointF(caption.x * scale, caption.y * scale + QFontMetricsF(font).ascent()), choices.text);
    return picture;
}
