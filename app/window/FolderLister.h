#pragma once
#include <atomic>
#include <functional>

#include <QList>
#include <QObject>
#include <QStringList>
#include <QThreadPool>

#include "batch/BatchPhotos.h"
#include "widgets/WindowThreadQueue.h"

// Walks folders for their photos off the window's thread, so that a folder of thousands never
// holds the window up; what each walk found is handed to the window's thread in parts, one part
// a turn of its event loop, so that it paints and answers between them.
class FolderLister final : public QObject {
public:
    // listed: on the window's thread, with part of a folder's photos; the last part with what could
    // not be read there.
    using Listed = std::function<void(const QList<BatchPhoto>& photos, const QStringList& problems)>;
    explicit FolderLister(Listed listed, QObject* parent = nullptr);
    // Stops the walks still going, and returns as soon as they have noticed, with nothing listed.
    ~FolderLister() override;

    void List(const QString& folder, bool subfolders);

private:
    struct Part {
        QList<BatchPhoto> photos;
        QStringList problems;
    };
    void Walk(const QString& folder, bool subfolders);

    std::atomic<bool> cancel_{false};
    platform::WindowThreadQueue<Part> parts_;
    QThreadPool pool_;  // the walks' own threads: a long walk must not hold up Qt's shared pool
};
