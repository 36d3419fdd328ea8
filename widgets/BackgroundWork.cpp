#include "widgets/BackgroundWork.h"

#include <thread>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "services/Prompts.h"

namespace platform {
namespace {

// What the user does to a window; everything else (painting, resizing, timers) goes on.
bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

}  // namespace

BackgroundWork::BackgroundWork(QWidget& window, QString progressText)
    : window_(window), progressText_(std::move(progressText))
{
}

BackgroundWork::~BackgroundWork() = default;

bool BackgroundWork::eventFilter(QObject* watched, QEvent* event)
{
    // Only the busy window is deaf: a message or the progress prompt above it still answers.
    if (IsInput(event->type()) && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &window_)
        return true;
    return false;
}

void BackgroundWork::ShowProgressWhenDue()
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this] {
        progress_ = CurrentPrompts().ShowProgress(&window_, progressText_, [this] { cancel_ = true; });
    });
    timer->start(kProgressDelayMs);
    delay_ = timer;
}

void BackgroundWork::Run(const std::function<void()>& work)
{
    QEventLoop loop;
    qApp->installEventFilter(this);
    ShowProgressWhenDue();
    std::thread worker([&] {
        work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    qApp->removeEventFilter(this);
    delete delay_;
    delay_ = nullptr;
    progress_.reset();
}

void BackgroundWork::OnWindowThread(const std::function<void()>& call)
{
    QMetaObject::invokeMethod(
        this,
        [this, &call] {
            const bool counting = delay_ && delay_->isActive();
            if (counting)
                delay_->stop();
            call();
            if (counting)
                delay_->start(kProgressDelayMs);
        },
        Qt::BlockingQueuedConnection);
}

}  // namespace platform
