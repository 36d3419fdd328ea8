#pragma once
#include <optional>

#include <QByteArray>
#include <QString>

namespace platform {

// Largest file read whole for its text (language files and the like).
inline constexpr qint64 kMaxTextFileBytes = qint64{256} << 20;

// The whole contents of path when it is a regular file of at most maxBytes; nothing for a
// folder, a FIFO, a device or socket (never opened for reading, so never waited on), a missing
// or unreadable file.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes = kMaxTextFileBytes);

// Whether path is (or links to) a regular file of more than maxBytes: a file ReadRegularFile
// refused for its size, rather than one that is missing.
bool RegularFileLargerThan(const QString& path, qint64 maxBytes);

}  // namespace platform
