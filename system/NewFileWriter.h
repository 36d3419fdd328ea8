#pragma once
#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QString>

#include "system/ByteSink.h"

namespace platform {

enum class NewFile { Written, Exists, Failed };

// Runs produce with a sink into a new file beside path, syncs it, and gives it path's name only
// if nothing (not even a dangling link) is at that name at that moment: checking first and
// writing after would replace a file that appeared in between. Exists: something was there and
// is left untouched. On any outcome but Written no file of ours remains.
// localName is the name's bytes on disk, so that a name that is not UTF-8 keeps them; path is
// taken as Qt encodes it.
// With modified, the file is dated then (seconds since the epoch) rather than now.
NewFile WriteNewFile(const QByteArray& localName, const ByteProducer& produce,
                     std::optional<std::int64_t> modified = std::nullopt);
NewFile WriteNewFile(const QString& path, const ByteProducer& produce);

}  // namespace platform
