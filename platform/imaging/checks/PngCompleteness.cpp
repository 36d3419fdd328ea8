#include "platform/imaging/checks/PngCompleteness.h"

#include "platform/imaging/checks/ByteOrder.h"

#include <cstring>

namespace platform {
namespace {
constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kChunkOverhead = 12;  // length, type, checksum
}  // namespace

bool PngIsComplete(const std::uint8_t* data, std::size_t size)
{
    if (!data)
        return false;
    std::size_t pos = kSignatureBytes;
    while (pos + kChunkOverhead <= size) {
        const std::uint64_t length = bytes::Be32(data + pos);
        if (length > size - pos - kChunkOverhead)
            return false;
        if (std::memcmp(data + pos + 4, "IEND", 4) == 0)
            return true;
        pos += kChunkOverhead + static_cast<std::size_t>(length);
    }
    return false;
}

}  // namespace platform
