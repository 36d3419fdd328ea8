#include "imaging/checks/PngCompleteness.h"

#include "imaging/checks/ByteOrder.h"

#include <cstring>

namespace platform {
namespace {
constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kChunkOverhead = 12;  // length, type, checksum
constexpr std::uint64_t kMaxChunkLength = 0x7FFFFFFF;

bool IsLetter(std::uint8_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A chunk decoders go on past: its type is four letters, and one they do not know is ancillary
// (lower-case first letter). Anything else stops every decoder, so the walk stops there too
// instead of reading on through whatever follows (a file of zeros after its header reads as
// empty chunks of type 0).
bool DecodersReadOn(const std::uint8_t* type)
{
    if (!IsLetter(type[0]) || !IsLetter(type[1]) || !IsLetter(type[2]) || !IsLetter(type[3]))
        return false;
    const bool critical = type[0] >= 'A' && type[0] <= 'Z';
    return !critical || std::memcmp(type, "IHDR", 4) == 0 || std::memcmp(type, "PLTE", 4) == 0 ||
           std::memcmp(type, "IDAT", 4) == 0;
}

}  // namespace

bool PngIsComplete(const std::uint8_t* data, std::size_t size)
{
    if (!data)
        return false;
    // Only each chunk's header is read: the pages of the data it skips are never touched.
    std::size_t pos = kSignatureBytes;
    while (pos + kChunkOverhead <= size) {
        const std::uint64_t length = bytes::Be32(data + pos);
        if (length > kMaxChunkLength || length > size - pos - kChunkOverhead)
            return false;
        const std::uint8_t* type = data + pos + 4;
        if (std::memcmp(type, "IEND", 4) == 0)
            return true;
        if (!DecodersReadOn(type))
            return false;
        pos += kChunkOverhead + static_cast<std::size_t>(length);
    }
    return false;
}

}  // namespace platform
