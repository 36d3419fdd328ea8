#pragma once
#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QString>

#include "system/ByteSink.h"

namespace platform {

// Runs produce with a sink into a new file beside path and renames it over path only when
// produce succeeded and every byte was written and synced to the disk. On any failure path is
// left as it was and no temporary file remains. A link at path is followed to the regular file it
// names; a path that is or leads to anything but a regular file is never written.
// localName is the name's bytes on disk, so that a name that is not UTF-8 keeps them; path is
// taken as Qt encodes it.
// With modified, the file is dated then (seconds since the epoch) rather than now.
bool WriteFileAtomically(const QByteArray& localName, const ByteProducer& produce,
                         std::optional<std::int64_t> modified = std::nullopt);
bool WriteFileAtomically(const QString& path, const ByteProducer& produce);

}  // namespace platform
