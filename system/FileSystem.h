#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// True when path names a regular file (or a link to one) that can be opened for reading; a name
// that is not UTF-8 is found as LocalFileName finds it.
// Nothing else is opened, so a FIFO or a device never blocks the caller.
bool FileExists(const QString& path);

// True when something other than a folder is at path, whether or not it can be read: a file of
// any mode, a link, even a dangling one. This is what a new output would replace.
bool AnythingToReplace(const QString& path);

// True when path names a FIFO, a socket or a device, or a link to one: something that is
// neither a regular file nor a folder, and that no photo or PNG is read from or written to.
bool IsSpecialFile(const QString& path);
bool IsSpecialFile(const QByteArray& localName);

// True when anything at all is at the name given by its bytes on disk: a folder, a file that
// cannot be read, a dangling link.
bool AnythingAt(const QByteArray& localName);

// True when both names, by their bytes on disk, reach one and the same file (through links too).
bool SameFile(const QByteArray& a, const QByteArray& b);

// Makes the folder named by its bytes on disk and those above it that are missing; true when it
// is a folder by then, else false with errno set.
bool MakeFolders(const QByteArray& localFolder);

}  // namespace platform
