#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include <QList>
#include <QObject>
#include <QPair>
#include <QSize>
#include <QStringList>
#include <QTimer>

// Reads the pixel sizes of photos (their headers only) on a thread of its own, and hands them to
// the window's thread in batches, a few times a second, so that a folder of thousands never holds
// the window up.
class PhotoSizeReader final : public QObject {
public:
    using Sizes = QList<QPair<QString, QSize>>;
    // read: told on the window's thread with each batch of sizes (an empty size: unreadable).
    explicit PhotoSizeReader(std::function<void(const Sizes&)> read, QObject* parent = nullptr);
    ~PhotoSizeReader() override;

    void Read(const QStringList& paths);
    // Sizes not read yet are no longer wanted.
    void Forget();

private:
    void Work();
    void Deliver();

    std::function<void(const Sizes&)> read_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<QString> pending_;  // under mutex_
    Sizes done_;                   // under mutex_
    bool stop_ = false;            // under mutex_
    QTimer deliver_;
    std::thread thread_;
};
