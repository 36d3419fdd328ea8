#include "imaging/checks/PngResolution.h"

#include <cstring>

#include "imaging/checks/ByteOrder.h"

namespace platform {
namespace {
constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kChunkOverhead = 12;  // length, type, checksum
constexpr std::size_t kPhysBytes = 9;
constexpr std::uint8_t kUnitMetre = 1;
constexpr double kMetresPerInch = 0.0254;
}  // namespace

std::optional<double> PngDeclaredDpi(const std::uint8_t* data, std::size_t size)
{
    std::size_t pos = kSignatureBytes;
    while (data && pos + kChunkOverhead <= size) {
        const std::uint64_t length = bytes::Be32(data + pos);
        if (length > size - pos - kChunkOverhead)
            break;
        const std::uint8_t* type = data + pos + 4;
        if (std::memcmp(type, "IDAT", 4) == 0)  // pHYs comes before the image data
            break;
        if (std::memcmp(type, "pHYs", 4) == 0 && length == kPhysBytes) {
            const std::uint32_t perMetre = bytes::Be32(type + 4);
            if (type[4 + 8] != kUnitMetre || perMetre == 0)
                break;
            return perMetre * kMetresPerInch;
        }
        pos += kChunkOverhead + static_cast<std::size_t>(length);
    }
    return std::nullopt;
}

}  // namespace platform
