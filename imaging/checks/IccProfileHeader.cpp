#include "imaging/checks/IccProfileHeader.h"

#include <cstring>

namespace platform {
namespace {

constexpr std::size_t kHeaderBytes = 128;

std::uint32_t BigEndian32(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

bool Is(const std::uint8_t* p, const char* signature)
{
    return std::memcmp(p, signature, 4) == 0;
}

}  // namespace

bool IccProfileFits(const std::uint8_t* data, std::size_t size, int colourBands)
{
    if (!data || size < kHeaderBytes + 4 || size > kMaxIccProfileBytes)
        return false;
    const std::uint32_t declared = BigEndian32(data);
    if (declared < kHeaderBytes + 4 || declared > size || !Is(data + 36, "acsp"))
        return false;
    const std::uint8_t* space = data + 16;
    if (colourBands == 3 ? !Is(space, "RGB ") : colourBands == 1 ? !Is(space, "GRAY") : true)
        return false;
    const std::uint8_t* pcs = data + 20;
    if (!Is(pcs, "XYZ ") && !Is(pcs, "Lab "))
        return false;
    // A device link or abstract profile cannot describe a picture's colours.
    const std::uint8_t* kind = data + 12;
    if (Is(kind, "link") || Is(kind, "abst") || Is(kind, "nmcl"))
        return false;
    // Every tag must lie within the declared size.
    const std::uint32_t tags = BigEndian32(data + kHeaderBytes);
    if (tags == 0 || tags > (declared - kHeaderBytes - 4) / 12)
        return false;
    for (std::uint32_t i = 0; i < tags; ++i) {
        const std::uint8_t* entry = data + kHeaderBytes + 4 + 12 * std::size_t{i};
        const std::uint64_t offset = BigEndian32(entry + 4);
        const std::uint64_t length = BigEndian32(entry + 8);
        if (offset < kHeaderBytes || offset + length > declared)
            return false;
    }
    return true;
}

}  // namespace platform
