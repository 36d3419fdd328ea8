#include "widgets/KeyboardContextMenu.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace platform {

KeyboardContextMenu::KeyboardContextMenu(QWidget& window, Opener open)
    : QObject(&window), window_(window), open_(std::move(open))
{
}

void KeyboardContextMenu::Install(QWidget& window, Opener open)
{
    auto* filter = new KeyboardContextMenu(window, std::move(open));
    window.installEventFilter(filter);
    for (QWidget* child : window.findChildren<QWidget*>())
        child->installEventFilter(filter);
}

bool KeyboardContextMenu::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    bool fromKeyboard = false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        fromKeyboard = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
    } else if (event->type() == QEvent::ContextMenu) {
        fromKeyboard = static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    }
    if (!fromKeyboard)
        return false;
    const QPoint centre = widget == &window_ ? window_.rect().center()
                                             : widget->mapTo(&window_, widget->rect().center());
    open_(centre);
    return true;
}

}  // namespace platform
