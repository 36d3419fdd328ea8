#include "imaging/checks/TiffSampleBits.h"

#include "imaging/checks/TiffReader.h"

namespace platform {
namespace {

constexpr std::uint32_t kBitsPerSample = 258;
constexpr std::uint32_t kStripOffsets = 273;
constexpr std::uint32_t kTileOffsets = 324;

}  // namespace

std::optional<std::uint32_t> TiffSampleBitsAt(const std::uint8_t* data, std::size_t size, std::uint64_t offset)
{
    const TiffReader tiff(data, size);
    std::optional<std::uint32_t> bits;
    tiff.VisitIfds([&](std::uint64_t ifd) {
        bool holds = false;
        for (const std::uint32_t tag : {kStripOffsets, kTileOffsets}) {
            if (const auto entry = tiff.Entry(ifd, tag))
                holds = holds || tiff.Value(*entry) == offset || tiff.ValuesAt(*entry) == offset;
        }
        if (!holds)
            return false;
        if (const auto entry = tiff.Entry(ifd, kBitsPerSample))
            bits = tiff.Value(*entry);
        return true;
    });
    return bits;
}

}  // namespace platform
