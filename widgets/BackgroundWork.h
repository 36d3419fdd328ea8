#pragma once
#include <atomic>
#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QThreadPool>

class QTimer;
class QWidget;

namespace platform {

// Long work off the window's thread: the window keeps painting but takes no input until the work
// ends, and after about a second a progress prompt offers Cancel. Work that asks the window
// something does so through OnWindowThread, so every question and message still comes from the
// window's thread, in order. With percent (read on the window's thread from what the work
// counts) the progress shows the percentage done.
class BackgroundWork final : public QObject {
public:
    BackgroundWork(QWidget& window, QString progressText, std::function<int()> percent = {});
    ~BackgroundWork() override;

    // Runs work on a thread of its own (never waiting behind Qt's shared pool) and returns when it has ended: false when it ended by
    // throwing (memory running out), which leaves the window as it was. Closing the window
    // meanwhile cancels the work and closes the window once the work has ended.
    bool Run(const std::function<void()>& work);
    // Called from the work: runs call on the window's thread and waits for it. Time spent there
    // (a message waiting for the user) does not count towards showing the progress.
    void OnWindowThread(const std::function<void()>& call);
    // Set when the user cancels; the work should stop soon after.
    const std::atomic<bool>& CancelFlag() const { return cancel_; }

    // How long work runs before its progress shows.
    static constexpr int kProgressDelayMs = 1000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowProgressWhenDue();

    QWidget& window_;
    QString progressText_;
    std::function<int()> percent_;
    std::atomic<bool> cancel_{false};
    bool closeAsked_ = false;
    std::unique_ptr<QObject> progress_;
    QTimer* delay_ = nullptr;  // shows the progress when it runs out
    QThreadPool pool_;         // the work's own thread
};

}  // namespace platform
