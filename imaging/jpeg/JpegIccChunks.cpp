#include "imaging/jpeg/JpegIccChunks.h"

#include <algorithm>
#include <cstring>

#include "imaging/checks/ByteOrder.h"
#include "imaging/checks/IccProfileHeader.h"

namespace platform {
namespace {

constexpr std::uint8_t kApp2 = 0xE2;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr char kIccName[] = "ICC_PROFILE";  // with its terminating zero: 12 bytes
constexpr std::size_t kChunkHeader = sizeof kIccName + 2;  // name, sequence number, count

struct Chunk {
    int number;
    const std::uint8_t* data;
    std::size_t size;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> JpegIccProfile(const std::uint8_t* data, std::size_t size)
{
    std::vector<Chunk> chunks;
    std::size_t total = 0;
    std::size_t pos = 2;  // after SOI
    while (data && pos + 4 <= size && data[pos] == 0xFF) {
        const std::uint8_t marker = data[pos + 1];
        if (marker == 0xFF) {  // fill byte
            ++pos;
            continue;
        }
        if (marker == kStartOfScan || marker == kEndOfImage)
            break;
        const std::size_t length = bytes::Be16(data + pos + 2);
        if (length < 2 || pos + 2 + length > size)
            break;
        const std::uint8_t* segment = data + pos + 4;
        const std::size_t bytes = length - 2;
        if (marker == kApp2 && bytes >= kChunkHeader && std::memcmp(segment, kIccName, sizeof kIccName) == 0 &&
            total <= kMaxIccProfileBytes) {
            chunks.push_back({segment[sizeof kIccName], segment + kChunkHeader, bytes - kChunkHeader});
            total += bytes - kChunkHeader;
        }
        pos += 2 + length;
    }
    if (chunks.empty())
        return std::nullopt;
    std::stable_sort(chunks.begin(), chunks.end(), [](const Chunk& a, const Chunk& b) { return a.number < b.number; });
    const int first = chunks.front().number;
    std::vector<std::uint8_t> profile;
    profile.reserve(total);
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        if (first > 1 || chunks[i].number != first + int(i))
            return std::vector<std::uint8_t>();  // a chunk lost or repeated: no profile can be trusted
        profile.insert(profile.end(), chunks[i].data, chunks[i].data + chunks[i].size);
    }
    return profile;
}

}  // namespace platform
