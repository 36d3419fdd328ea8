#pragma once
#include <cstdint>
#include <optional>

#include <QByteArray>

#include "system/ByteSink.h"
#include "system/PublishMode.h"
#include "imaging/Failure.h"
#include "imaging/Status.h"

namespace platform {

// Writes what produce makes into the file localName names, published as asked: replacing what
// is there only by a complete new file, or only where nothing is there (OutputExists when
// something is). Any failure leaves the old file, if any, as it was (Win32Error), and why says what
// the operating system said (a full disk, a size limit, permission), or nothing when produce
// itself gave up.
// With modified, the file is dated then (seconds since the epoch) rather than now.
Status SaveFile(const QByteArray& localName, Publish publish, const ByteProducer& produce, Failure* why = nullptr,
                std::optional<std::int64_t> modified = std::nullopt);

}  // namespace platform
