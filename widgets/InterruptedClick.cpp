#include "widgets/InterruptedClick.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace platform {

void InterruptedClick::Drop(QWidget* window)
{
    new InterruptedClick(window);
}

InterruptedClick::InterruptedClick(QWidget* window) : QObject(window), window_(window)
{
    // The press is delivered before control returns to any event loop, so a zero timer ends the
    // watch whether or not it came (the focus may also have moved with no press in flight).
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] { Finish(); });
}

bool InterruptedClick::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (finished_ || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    Finish();
    return true;
}

void InterruptedClick::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    qApp->removeEventFilter(this);
    // Nothing of the interrupted gesture may be left half done.
    for (auto* button : window_->findChildren<QAbstractButton*>()) {
        if (button->isDown())
            button->setDown(false);
    }
    if (QWidget* grabber = QWidget::mouseGrabber(); grabber && grabber->window() == window_)
        grabber->releaseMouse();
    deleteLater();
}

}  // namespace platform
