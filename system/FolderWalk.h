#pragma once
#include <atomic>
#include <functional>

#include <QByteArray>
#include <QString>

namespace platform {

// What a walk meets below a folder.
enum class WalkEntry {
    File,        // a regular file, or a link to anything but a folder (its reader tells what it is)
    Special,     // a FIFO, a socket or a device: nothing to read a photo from
    Unreadable,  // a folder that cannot be listed; errno says why
};

// Calls visit with every entry below the folder named localFolder (bytes on disk), with subfolders
// those of its subfolders too, in byte order of names, each folder's files before its subfolders. Links to folders are
// not followed, so a walk never loops and never leaves the folder. Returns false, with errno set,
// when localFolder itself cannot be listed. Once cancel (when given) is set, read at each entry, the
// walk stops where it is and returns true, having visited what it had.
bool WalkFolder(const QByteArray& localFolder, bool subfolders,
                const std::function<void(const QByteArray& localPath, WalkEntry entry)>& visit,
                const std::atomic<bool>* cancel = nullptr);

}  // namespace platform
