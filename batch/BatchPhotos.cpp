#include "batch/BatchPhotos.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QFileInfo>

#include "convert/PhotoExtensions.h"
#include "system/FolderWalk.h"
#include "system/LocalFileName.h"

namespace {
QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
}  // namespace

QList<BatchPhoto> PhotosOfFolder(const QString& folder, bool subfolders, const WalkReport& report,
                                 const std::atomic<bool>* cancel)
{
    QList<BatchPhoto> photos;
    const QString added = QFileInfo(folder).absoluteFilePath();
    // Paths are told as the folder was named, and read back byte for byte (LocalFileName).
    const QByteArray local = platform::LocalFileName(folder);
    const bool listed = platform::WalkFolder(local, subfolders, [&](const QByteArray& path, platform::WalkEntry entry) {
        const QString name = QFile::decodeName(path);
        switch (entry) {
        case platform::WalkEntry::File:
            if (HasPhotoExtension(name))
                photos.append({name, added});
            break;
        case platform::WalkEntry::Special:
            report(name, QCoreApplication::translate("CommandLine", "skipped: not a regular file"), false);
            break;
        case platform::WalkEntry::Unreadable:
            report(name, ErrnoText(errno), true);
            break;
        }
    }, cancel);
    if (!listed)
        report(folder, ErrnoText(errno), true);
    return photos;
}

QList<BatchPhoto> PhotosOfArguments(const QStringList& arguments, bool walkFolders, const WalkReport& report)
{
    QList<BatchPhoto> photos;
    for (const QString& argument : arguments) {
        if (walkFolders && QFileInfo(argument).isDir())
            photos += PhotosOfFolder(argument, true, report);
        else
            photos.append({argument, QString()});
    }
    return photos;
}
