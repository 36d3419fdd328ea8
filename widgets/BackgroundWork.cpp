#include "widgets/BackgroundWork.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

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
    case QEvent::InputMethod:  // text composed by an input method (Chinese, Japanese)
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

}  // namespace

BackgroundWork::BackgroundWork(QWidget& window, QString progressText, std::function<int()> percent)
    : window_(window), progressText_(std::move(progressText)), percent_(std::move(percent))
{
    pool_.setMaxThreadCount(1);
}

BackgroundWork::~BackgroundWork() = default;

bool BackgroundWork::eventFilter(QObject* watched, QEvent* event)
{
    // Only the busy window is deaf: a message or the progress prompt above it still answers.
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != &window_)
        return false;
    // Closing is not lost: the work is cancelled, and the window closes as usual once it ends.
    if (event->type() == QEvent::Close && watched == &window_) {
        closeAsked_ = true;
        cancel_ = true;
    }
    // A close event left accepted would hide the window all the same.
    if (event->type() == QEvent::Close)
        event->ignore();
    return IsInput(event->type()) || event->type() == QEvent::Close;
}

void BackgroundWork::ShowProgressWhenDue()
{
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this] {
        progress_ = CurrentPrompts().ShowProgress(&window_, progressText_, [this] { cancel_ = true; }, percent_);
    });
    timer->start(kProgressDelayMs);
    delay_ = timer;
}

bool BackgroundWork::Run(const std::function<void()>& work)
{
    QEventLoop loop;
    qApp->installEventFilter(this);
    ShowProgressWhenDue();
    QFutureWatcher<bool> worker;
    connect(&worker, &QFutureWatcher<bool>::finished, &loop, &QEventLoop::quit);
    worker.setFuture(QtConcurrent::run(&pool_, [&work] {
        // Nothing thrown may leave the work: the window is told it failed instead.
        try {
            work();
            return true;
        } catch (...) {
            return false;
        }
    }));
    loop.exec();
    const bool ended = worker.result();
    qApp->removeEventFilter(this);
    delete delay_;
    delay_ = nullptr;
    progress_.reset();
    if (closeAsked_)
        QMetaObject::invokeMethod(&window_, "close", Qt::QueuedConnection);
    return ended;
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
