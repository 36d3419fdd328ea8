#pragma once
#include <functional>

#include <QObject>
#include <QPoint>

class QWidget;

namespace platform {

// Opens a window's context menu from the keyboard, with the Menu key or Shift+F10, whichever of
// its controls has the focus: an edit's own menu and a button's silence would otherwise win.
// The mouse is left to each control.
class KeyboardContextMenu final : public QObject {
public:
    // open gets the point, in window coordinates, where the menu belongs: the focused control.
    using Opener = std::function<void(const QPoint& windowPos)>;
    // Watches window and every control it holds now.
    static void Install(QWidget& window, Opener open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyboardContextMenu(QWidget& window, Opener open);
    QWidget& window_;
    Opener open_;
};

}  // namespace platform
