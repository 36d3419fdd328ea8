#pragma once
#include <atomic>
#include <functional>

#include <QList>
#include <QObject>
#include <QPair>
#include <QSize>
#include <QStringList>
#include <QThreadPool>

#include "widgets/WindowThreadQueue.h"

// Reads the pixel sizes of photos (their headers only) on a thread of its own, and hands them to
// the window's thread in batches, those read in a turn of its event loop together, so that a
// folder of thousands never holds the window up.
class PhotoSizeReader final : public QObject {
public:
    using Sizes = QList<QPair<QString, QSize>>;
    // read: told on the window's thread with each batch of sizes (an empty size: unreadable).
    explicit PhotoSizeReader(std::function<void(const Sizes&)> read, QObject* parent = nullptr);
    // Waits for the photo being read, not for those after it.
    ~PhotoSizeReader() override;

    void Read(const QStringList& paths);
    // Sizes not read yet are no longer wanted.
    void Forget();

private:
    void ReadSizes(const QStringList& paths, int generation);

    // Bumped by Forget: reading for an older one stops.
    std::atomic<int> generation_{0};
    platform::WindowThreadQueue<QPair<QString, QSize>> read_;
    // One thread, so that photos are read in the order they were listed, at a lower priority.
    QThreadPool pool_;
};
