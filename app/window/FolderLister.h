#pragma once
#include <functional>
#include <thread>
#include <vector>

#include <QList>
#include <QObject>
#include <QStringList>

#include "app/cli/BatchPhotos.h"

// Walks folders for their photos off the window's thread, so that a folder of thousands never
// holds the window up; what each walk found is handed to the window's thread in parts.
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
    Listed listed_;
    std::vector<std::thread> walks_;
};
