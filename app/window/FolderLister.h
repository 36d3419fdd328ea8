#pragma once
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include "batch/BatchPhotos.h"

// Walks folders for their photos off the window's thread, so that a folder of thousands never
// holds the window up; what each walk found is handed to the window's thread in parts, one part
// a turn of its event loop, so that it paints and answers between them.
class FolderLister final : public QObject {
public:
    // listed: on the window's thread, with part of a folder's photos; the last part with what could
    // not be read there.
    using Listed = std::function<void(const QList<BatchPhoto>& photos, const QStringList& problems)>;
    explicit FolderLister(Listed listed, QObject* parent = nullptr);
    // Waits for the walks still going.
    ~FolderLister() override;

    void List(const QString& folder, bool subfolders);

private:
    struct Part {
        QList<BatchPhoto> photos;
        QStringList problems;
    };
    void DeliverOne();

    Listed listed_;
    std::mutex mutex_;
    std::deque<Part> parts_;  // under mutex_
    int walking_ = 0;         // walks not ended, under mutex_
    QTimer deliver_;
    std::vector<std::thread> walks_;
};
