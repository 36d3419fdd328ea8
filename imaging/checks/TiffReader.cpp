#include "imaging/checks/TiffReader.h"

#include <vector>

#include "imaging/checks/ByteOrder.h"

namespace platform {
namespace {

constexpr std::uint32_t kSubIfds = 330;
constexpr std::uint32_t kExifIfd = 34665;
constexpr std::uint64_t kEntryBytes = 12;

// Bytes a value of a TIFF type takes; 0 for unknown types.
std::uint64_t TypeBytes(std::uint32_t type)
{
    static constexpr std::uint8_t kBytes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 4};
    return type < sizeof kBytes ? kBytes[type] : 0;
}

}  // namespace

TiffReader::TiffReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(data ? size : 0)
{
    if (size_ < 8 || !((data[0] == 'I' && data[1] == 'I') || (data[0] == 'M' && data[1] == 'M')))
        return;
    little_ = data[0] == 'I';
    valid_ = U16(2) == 42;
}

std::uint32_t TiffReader::U16(std::uint64_t at) const
{
    return little_ ? bytes::Le16(data_ + at) : bytes::Be16(data_ + at);
}

std::uint32_t TiffReader::U32(std::uint64_t at) const
{
    return little_ ? bytes::Le32(data_ + at) : bytes::Be32(data_ + at);
}

std::optional<std::uint64_t> TiffReader::Entry(std::uint64_t ifd, std::uint32_t tag) const
{
    const std::uint32_t entries = U16(ifd);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint64_t entry = ifd + 2 + kEntryBytes * i;
        if (U16(entry) == tag)
            return entry;
    }
    return std::nullopt;
}

std::uint64_t TiffReader::ValuesAt(std::uint64_t entry) const
{
    return TypeBytes(U16(entry + 2)) * Count(entry) > 4 ? U32(entry + 8) : entry + 8;
}

std::uint32_t TiffReader::Value(std::uint64_t entry, std::uint32_t k) const
{
    const std::uint32_t type = U16(entry + 2);
    const std::uint32_t width = type == 3 ? 2 : (type == 4 || type == 13) ? 4 : 0;
    if (width == 0 || k >= Count(entry))
        return 0;
    const std::uint64_t at = ValuesAt(entry) + std::uint64_t{width} * k;
    if (!Has(at, width))
        return 0;
    return width == 2 ? U16(at) : U32(at);
}

bool TiffReader::VisitIfds(const std::function<bool(std::uint64_t ifd)>& visit) const
{
    if (!valid_)
        return false;
    std::vector<std::uint32_t> pending{U32(4)};
    for (int visited = 0; !pending.empty() && visited < kMaxIfds; ++visited) {
        const std::uint64_t ifd = pending.back();
        pending.pop_back();
        if (ifd == 0 || !Has(ifd, 2))
            continue;
        const std::uint32_t entries = U16(ifd);
        if (!Has(ifd + 2, std::uint64_t{entries} * kEntryBytes + 4))
            continue;
        if (visit(ifd))
            return true;
        for (const std::uint32_t tag : {kSubIfds, kExifIfd}) {
            if (const auto entry = Entry(ifd, tag)) {
                for (std::uint32_t k = 0; k < Count(*entry) && k < kMaxIfds; ++k)
                    pending.push_back(Value(*entry, k));
            }
        }
        pending.push_back(U32(ifd + 2 + kEntryBytes * entries));
    }
    return false;
}

}  // namespace platform
