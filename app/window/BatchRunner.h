#pragma once
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <QObject>
#include <QTimer>

#include "batch/BatchConversion.h"
#include "batch/ConversionRequest.h"

// Runs the command line's batch engine off the window's thread, and tells the window what became
// of each photo in batches, a few times a second, on its own thread.
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
    bool Running() const { return thread_.joinable(); }
    // Photos in flight stop with nothing written; those not begun are not.
    void Cancel() { cancel_ = true; }

private:
    void Started(int index) override;
    void Told(int, const QString&, const QString&) override {}
    void Finished(int index, PhotoResult result, const QString& message) override;
    void Deliver();

    std::function<void(const Events&)> events_;
    std::function<void(int)> finished_;
    ConversionRequest request_;
    QList<BatchPhoto> photos_;
    MessageTexts texts_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> done_{false};
    int status_ = 0;
    std::mutex mutex_;
    Events pending_;  // under mutex_
    QTimer deliver_;
    std::thread thread_;
};
