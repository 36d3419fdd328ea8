#pragma once
#include <atomic>
#include <functional>
#include <vector>

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>

#include "batch/BatchConversion.h"
#include "batch/ConversionRequest.h"
#include "widgets/WindowThreadQueue.h"

// Runs the batch engine off the window's thread, and tells the window what became
// of each photo on its own thread, the news of a turn of its event loop together.
class BatchRunner final : public QObject, private BatchListener {
public:
    struct Event {
        int index = 0;
        bool started = false;  // else finished, with result and message
        PhotoResult result = PhotoResult::Failed;
        QString message;
    };
    using Events = std::vector<Event>;

    // events: each batch of news; finished: the batch has ended (with the engine's exit status),
    // after the last news.
    BatchRunner(std::function<void(const Events&)> events, std::function<void(int status)> finished,
                QObject* parent = nullptr);
    // Cancels a batch still running and waits for it.
    ~BatchRunner() override;

    void Start(const ConversionRequest& request, const QList<BatchPhoto>& photos);
    bool Running() const { return running_; }
    // Photos in flight stop with nothing written; those not begun are not.
    void Cancel() { cancel_ = true; }

private:
    void Started(int index, platform::PhotoFormat format) override;
    void Told(int, const QString&, const QString&) override {}
    void Finished(int index, PhotoResult result, const QString& message) override;
    void Ended();

    std::function<void(int)> finished_;
    ConversionRequest request_;
    QList<BatchPhoto> photos_;
    MessageTexts texts_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;  // until the window is told the batch ended
    platform::WindowThreadQueue<Event> news_;
    QFutureWatcher<int> batch_;
    // The batch's own thread: it runs for minutes, which Qt's shared pool must not wait behind.
    QThreadPool pool_;
};
