#include "imaging/checks/TiffPictureData.h"

#include "imaging/checks/TiffReader.h"

namespace platform {
namespace {

constexpr std::uint32_t kPhotometric = 262;
constexpr std::uint32_t kStripOffsets = 273;
constexpr std::uint32_t kTileOffsets = 324;
constexpr std::uint32_t kColourFilterArray = 32803;
constexpr std::uint32_t kLinearRaw = 34892;

}  // namespace

bool TiffHasPictureAt(const std::uint8_t* data, std::size_t size, std::uint64_t offset)
{
    if (offset == 0)
        return false;
    const TiffReader tiff(data, size);
    return tiff.VisitIfds([&](std::uint64_t ifd) {
        const auto photometric = tiff.Entry(ifd, kPhotometric);
        auto first = tiff.Entry(ifd, kStripOffsets);
        if (!first)
            first = tiff.Entry(ifd, kTileOffsets);
        if (!photometric || !first || tiff.Value(*first) != offset)
            return false;
        const std::uint32_t kind = tiff.Value(*photometric);
        return kind != kColourFilterArray && kind != kLinearRaw;
    });
}

}  // namespace platform
