#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// Where a window of size wanted goes on a screen whose free area is available: centred on centre
// (its owner's middle), made smaller where it does not fit, and moved so that it lies wholly on
// the screen, with room kept for the window manager's frame.
QRect PlaceOnScreen(QSize wanted, const QRect& available, QPoint centre);

// Puts window, at its present size, wholly on the screen that holds owner (or its own screen).
void PlaceOnOwnersScreen(QWidget& window, const QWidget* owner);

}  // namespace platform
