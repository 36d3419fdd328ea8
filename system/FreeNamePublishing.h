#pragma once
#include <QByteArray>

namespace platform {

// The ways a complete file takes a name only where nothing is at that moment, so that a file
// that appeared meanwhile is never replaced; each fails with errno EEXIST when something is
// there. Which one holds on which file system: docs/saving.md.

// An unnamed file (O_TMPFILE), open as fd, linked under target through /proc.
bool LinkIntoFreeName(int fd, const QByteArray& target);

// A named temporary renamed to target (RENAME_NOREPLACE), or hard-linked to it and unlinked
// where the file system lacks that flag.
bool MoveIntoFreeName(const QByteArray& temporary, const QByteArray& target);

// Whether a link failed because the file system takes no hard links at all (FAT, CIFS without
// Unix extensions, sshfs and other FUSE mounts), rather than for this target.
bool LinksRefused(int error);

// For those file systems: target created exclusively (O_CREAT | O_EXCL) and the file open as fd
// (readable, from its start) copied into it and synced. A copy that fails removes target, so
// only a kill during the copy can leave a partial file under the name.
bool CopyIntoFreeName(int fd, const QByteArray& target);

}  // namespace platform
