#include "widgets/PaintArea.h"

#include <QPainter>

namespace platform {

void PaintArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (painter_)
        painter_(painter, rect());
}

}  // namespace platform
