#include "widgets/ScreenPlacement.h"

#include <algorithm>

#include <QScreen>
#include <QWidget>

namespace {
// Room for the title bar and borders the window manager adds around the client area.
constexpr int kFrameTop = 32;
constexpr int kFrameSide = 8;
}  // namespace

namespace platform {

QRect PlaceOnScreen(QSize wanted, const QRect& available, QPoint centre)
{
    const QRect inside = available.adjusted(kFrameSide, kFrameTop, -kFrameSide, -kFrameSide);
    const QSize size(std::min(wanted.width(), inside.width()), std::min(wanted.height(), inside.height()));
    QRect placed(centre - QPoint(size.width() / 2, size.height() / 2), size);
    placed.moveLeft(std::clamp(placed.left(), inside.left(), inside.right() + 1 - size.width()));
    placed.moveTop(std::clamp(placed.top(), inside.top(), inside.bottom() + 1 - size.height()));
    return placed;
}

void PlaceOnOwnersScreen(QWidget& window, const QWidget* owner)
{
    const QScreen* screen = owner && owner->screen() ? owner->screen() : window.screen();
    if (!screen)
        return;
    const QPoint centre = owner ? owner->mapToGlobal(owner->rect().center()) : screen->availableGeometry().center();
    window.setGeometry(PlaceOnScreen(window.size(), screen->availableGeometry(), centre));
}

}  // namespace platform
