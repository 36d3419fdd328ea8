#include "imaging/checks/ExifOrientation.h"

#include <algorithm>

#include "imaging/checks/TiffReader.h"

namespace platform {
namespace {
constexpr std::uint32_t kOrientationTag = 0x0112;
}  // namespace

int ExifOrientation(const std::uint8_t* data, std::size_t size)
{
    static constexpr std::uint8_t kExifPrefix[6] = {'E', 'x', 'i', 'f', 0, 0};
    if (size >= sizeof kExifPrefix && std::equal(kExifPrefix, kExifPrefix + 6, data)) {
        data += sizeof kExifPrefix;
        size -= sizeof kExifPrefix;
    }
    const TiffReader tiff(data, size);
    int orientation = 1;
    // The first IFD visited is the picture's own (IFD0); the walk stops there.
    tiff.VisitIfds([&](std::uint64_t ifd) {
        if (const auto entry = tiff.Entry(ifd, kOrientationTag))
            orientation = static_cast<int>(std::min<std::uint32_t>(tiff.Value(*entry), 0xFFFF));
        return true;
    });
    return orientation;
}

}  // namespace platform
