#include "app/window/FolderLister.h"

#include <QFileInfo>
#include <QMetaObject>

#include "system/ThreadPriority.h"

namespace {
// Photos listed in one turn of the window's event loop.
constexpr qsizetype kPart = 1000;
}  // namespace

FolderLister::FolderLister(Listed listed, QObject* parent) : QObject(parent), listed_(std::move(listed)) {}

FolderLister::~FolderLister()
{
    for (std::thread& walk : walks_)
        walk.join();
}

void FolderLister::List(const QString& folder, bool subfolders)
{
    walks_.emplace_back([this, folder, subfolders] {
        platform::LowerThisThreadsPriority();
        QStringList problems;
        // Absolute from the start, so that the window has nothing to look up for each photo.
        const QList<BatchPhoto> photos =
            PhotosOfFolder(QFileInfo(folder).absoluteFilePath(), subfolders, [&](const QString& subject, const QString& text, bool error) {
                if (error)
                    problems << QStringLiteral("%1: %2").arg(subject, text);
            });
        // Queued: run by the window's event loop, or dropped when this object is gone by then; in
        // parts, so that the window paints and answers between them.
        for (qsizetype start = 0; start < photos.size() || start == 0; start += kPart) {
            const bool last = start + kPart >= photos.size();
            QMetaObject::invokeMethod(
                this, [this, part = photos.mid(start, kPart), told = last ? problems : QStringList()] { listed_(part, told); },
                Qt::QueuedConnection);
        }
    });
}
