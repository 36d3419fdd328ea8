#include "imaging/checks/IconDirectory.h"

#include "imaging/checks/ByteOrder.h"

#include <cstring>

namespace platform {
namespace {

constexpr std::size_t kDirectoryBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::uint32_t kBitmapInfoHeaderBytes = 40;
constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

using bytes::Le32;

bool StartsAsImage(const std::uint8_t* image, std::size_t bytes)
{
    if (bytes >= sizeof kPngSignature && std::memcmp(image, kPngSignature, sizeof kPngSignature) == 0)
        return true;
    return bytes >= kBitmapInfoHeaderBytes && Le32(image) == kBitmapInfoHeaderBytes;
}

}  // namespace

std::vector<int> IconImagesInFile(const std::uint8_t* data, std::size_t size)
{
    std::vector<int> images;
    if (!data || size < kDirectoryBytes)
        return images;
    const int count = data[4] | (data[5] << 8);
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = kDirectoryBytes + kEntryBytes * static_cast<std::size_t>(i);
        if (entry + kEntryBytes > size)
            break;
        const std::uint64_t bytes = Le32(data + entry + 8);
        const std::uint64_t offset = Le32(data + entry + 12);
        if (offset + bytes <= size && StartsAsImage(data + offset, static_cast<std::size_t>(bytes)))
            images.push_back(i);
    }
    return images;
}

}  // namespace platform
