#include "app/window/FolderLister.h"

#include <QFileInfo>

namespace {
// Photos listed in one turn of the window's event loop: one part a turn.
constexpr qsizetype kPart = 1000;
constexpr std::size_t kPartsATurn = 1;
}  // namespace

FolderLister::FolderLister(Listed listed, QObject* parent)
    : QObject(parent),
      parts_(
          [listed = std::move(listed)](std::vector<Part>&& parts) {
              for (const Part& part : parts)
                  listed(part.photos, part.problems);
          },
          kPartsATurn)
{
}

FolderLister::~FolderLister()
{
    pool_.clear();  // walks not begun
    cancel_ = true;
    pool_.waitForDone();
}

void FolderLister::List(const QString& folder, bool subfolders)
{
    pool_.start([this, folder, subfolders] { Walk(folder, subfolders); });
}

void FolderLister::Walk(const QString& folder, bool subfolders)
{
    QStringList problems;
    // Absolute from the start, so that the window has nothing to look up for each photo.
    const QList<BatchPhoto> photos = PhotosOfFolder(
        QFileInfo(folder).absoluteFilePath(), subfolders,
        [&](const QString& subject, const QString& text, bool error) {
            if (error)
                problems << QStringLiteral("%1: %2").arg(subject, text);
        },
        &cancel_);
    if (cancel_)
        return;
    std::vector<Part> parts;
    for (qsizetype start = 0; start < photos.size() || start == 0; start += kPart) {
        const bool last = start + kPart >= photos.size();
        parts.push_back({photos.mid(start, kPart), last ? problems : QStringList()});
    }
    parts_.Put(std::move(parts));
}
