#include "platform/imaging/checks/PngCompleteness.h"

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
        const std::uint64_t length = (std::uint64_t(data[pos]) << 24) | (std::uint64_t(data[pos + 1]) << 16) |
                                     (std::uint64_t(data[pos + 2]) << 8) | data[pos + 3];
        if (length > size - pos - kChunkOverhead)
            return false;
        if (std::memcmp(data + pos + 4, "IEND", 4) == 0)
            return true;
        pos += kChunkOverhead + static_cast<std::size_t>(length);
    }
    return false;
}

}  // namespace platform
