#pragma once
#include <atomic>
#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

// One photo of a batch: its path as named, and the folder it was found in when a whole folder
// was given (absolute; empty for a photo named by itself), below which its output keeps its place.
struct BatchPhoto {
    QString path;
    QString addedFolder;
};

// Told while folders are walked: what went wrong with subject (error), or what was left out
// (not an error).
using WalkReport = std::function<void(const QString& subject, const QString& text, bool error)>;

// The photos of a folder: its files with a photo's extension, with subfolders those below them
// too, links to folders not followed; special files are left out and told, as are subfolders
// that cannot be listed. Nothing when the folder itself cannot be listed (told). Once cancel (when
// given) is set, the walk stops soon and what it found by then is returned.
QList<BatchPhoto> PhotosOfFolder(const QString& folder, bool subfolders, const WalkReport& report,
                                 const std::atomic<bool>* cancel = nullptr);

// The photos of a command line: each argument as it is, or with walkFolders, a folder argument
// replaced by its photos and those of its subfolders.
QList<BatchPhoto> PhotosOfArguments(const QStringList& arguments, bool walkFolders, const WalkReport& report);
