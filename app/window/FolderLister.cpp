#include "app/window/FolderLister.h"

#include <QFileInfo>

namespace {
// Photos listed in one turn of the window's event loop.
constexpr qsizetype kPart = 1000;
// How often the window looks for parts while a walk goes on.
constexpr int kDeliverMs = 20;
}  // namespace

FolderLister::FolderLister(Listed listed, QObject* parent) : QObject(parent), listed_(std::move(listed))
{
    deliver_.setInterval(kDeliverMs);
    connect(&deliver_, &QTimer::timeout, this, [this] { DeliverOne(); });
}

FolderLister::~FolderLister()
{
    for (std::thread& walk : walks_)
        walk.join();
}

void FolderLister::List(const QString& folder, bool subfolders)
{
    {
        const std::lock_guard lock(mutex_);
        ++walking_;
    }
    deliver_.start();
    walks_.emplace_back([this, folder, subfolders] {
        QStringList problems;
        // Absolute from the start, so that the window has nothing to look up for each photo.
        const QList<BatchPhoto> photos =
            PhotosOfFolder(QFileInfo(folder).absoluteFilePath(), subfolders,
                           [&](const QString& subject, const QString& text, bool error) {
                               if (error)
                                   problems << QStringLiteral("%1: %2").arg(subject, text);
                           });
        const std::lock_guard lock(mutex_);
        for (qsizetype start = 0; start < photos.size() || start == 0; start += kPart) {
            const bool last = start + kPart >= photos.size();
            parts_.push_back({photos.mid(start, kPart), last ? problems : QStringList()});
        }
        --walking_;
    });
}

void FolderLister::DeliverOne()
{
    Part part;
    {
        const std::lock_guard lock(mutex_);
        if (parts_.empty()) {
            if (walking_ == 0)
                deliver_.stop();
            return;
        }
        part = std::move(parts_.front());
        parts_.pop_front();
    }
    listed_(part.photos, part.problems);
}
