#include "platform/imaging/checks/TiffPictureData.h"

#include <vector>

namespace platform {
namespace {

constexpr std::uint16_t kPhotometric = 262;
constexpr std::uint16_t kStripOffsets = 273;
constexpr std::uint16_t kTileOffsets = 324;
constexpr std::uint16_t kSubIfds = 330;
constexpr std::uint16_t kExifIfd = 34665;
constexpr std::uint32_t kColourFilterArray = 32803;
constexpr std::uint32_t kLinearRaw = 34892;
constexpr int kMaxIfds = 64;  // enough for any camera's; a loop of IFDs ends here too

class TiffReader {
public:
    TiffReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size), little_(data[0] == 'I') {}

    bool Has(std::uint64_t at, std::uint64_t bytes) const { return at <= size_ && bytes <= size_ - at; }
    std::uint32_t U16(std::uint64_t at) const
    {
        const std::uint8_t* p = data_ + at;
        return little_ ? p[0] | p[1] << 8 : p[0] << 8 | p[1];
    }
    std::uint32_t U32(std::uint64_t at) const
    {
        return little_ ? U16(at) | U16(at + 2) << 16 : U16(at) << 16 | U16(at + 2);
    }
    // Value k of the entry at (a SHORT, LONG or IFD, inline or pointed at); 0 when unreadable.
    std::uint32_t Value(std::uint64_t entry, std::uint32_t k = 0) const
    {
        const std::uint32_t type = U16(entry + 2);
        const std::uint32_t count = U32(entry + 4);
        const std::uint32_t width = type == 3 ? 2 : (type == 4 || type == 13) ? 4 : 0;
        if (width == 0 || k >= count)
            return 0;
        std::uint64_t at = entry + 8;
        if (std::uint64_t{width} * count > 4)
            at = U32(entry + 8);
        at += std::uint64_t{width} * k;
        if (!Has(at, width))
            return 0;
        return width == 2 ? U16(at) : U32(at);
    }
    std::uint32_t Count(std::uint64_t entry) const { return U32(entry + 4); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    bool little_;
};

}  // namespace

bool TiffHasPictureAt(const std::uint8_t* data, std::size_t size, std::uint64_t offset)
{
    if (!data || size < 8 || offset == 0)
        return false;
    const TiffReader tiff(data, size);
    if (!(data[0] == 'I' && data[1] == 'I') && !(data[0] == 'M' && data[1] == 'M'))
        return false;
    if (tiff.U16(2) != 42)
        return false;
    std::vector<std::uint32_t> pending{tiff.U32(4)};
    for (int visited = 0; !pending.empty() && visited < kMaxIfds; ++visited) {
        const std::uint64_t ifd = pending.back();
        pending.pop_back();
        if (ifd == 0 || !tiff.Has(ifd, 2))
            continue;
        const std::uint32_t entries = tiff.U16(ifd);
        if (!tiff.Has(ifd + 2, std::uint64_t{entries} * 12 + 4))
            continue;
        std::uint32_t photometric = 0, first = 0;
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::uint64_t entry = ifd + 2 + 12 * std::uint64_t{i};
            const std::uint32_t tag = tiff.U16(entry);
            if (tag == kPhotometric)
                photometric = tiff.Value(entry) + 1;  // 0 stays "not given"
            else if (tag == kStripOffsets || tag == kTileOffsets)
                first = tiff.Value(entry);
            else if (tag == kSubIfds || tag == kExifIfd) {
                for (std::uint32_t k = 0; k < tiff.Count(entry) && k < kMaxIfds; ++k)
                    pending.push_back(tiff.Value(entry, k));
            }
        }
        if (first == offset && photometric != 0 && photometric - 1 != kColourFilterArray &&
            photometric - 1 != kLinearRaw)
            return true;
        pending.push_back(tiff.U32(ifd + 2 + 12 * std::uint64_t{entries}));
    }
    return false;
}

}  // namespace platform
