#include "imaging/checks/BmpCompleteness.h"

#include "imaging/checks/ByteOrder.h"

#include <cstdlib>

namespace platform {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;
enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

using bytes::Le16;
using bytes::Le32;

// Walks the runs from offset; true when they set every pixel of the picture before the file
// ends. An end of line or of the picture before a row is full, and any jump (which skips the
// pixels between), leave pixels the decoder never writes: the same damage as a cut file.
bool RunsSetEveryPixel(const std::uint8_t* data, std::size_t size, std::size_t offset, std::int64_t width,
                       std::int64_t rows, bool fourBit)
{
    std::size_t pos = offset;
    std::int64_t row = 0;
    std::int64_t x = 0;  // pixels set in the current row
    while (pos + 2 <= size) {
        const std::uint8_t count = data[pos];
        const std::uint8_t code = data[pos + 1];
        pos += 2;
        if (count > 0) {
            x += count;  // a run of count pixels
        } else if (code == 0 || code == 1) {
            // The end of a line, or of the picture: the row must be full, and for the picture's
            // end it must be the last (or a line end must already have closed the last).
            if (x > 0 || code == 0) {
                if (x < width)
                    return false;
                ++row;
                x = 0;
            }
            if (row >= rows)
                return true;
            if (code == 1)
                return false;
        } else if (code == 2) {
            return false;
        } else {
            // code literal pixels, padded to a whole number of 16-bit words
            const std::size_t bytes = fourBit ? (code + 1u) / 2u : code;
            pos += (bytes + 1u) & ~std::size_t{1};
            if (pos > size)
                return false;
            x += code;
        }
    }
    return false;
}

}  // namespace

bool BmpIsComplete(const std::uint8_t* data, std::size_t size)
{
    if (!data || size < kFileHeaderBytes + 4)
        return true;
    const std::uint32_t offset = Le32(data + 10);
    const std::uint32_t headerBytes = Le32(data + 14);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = kRgb;
    if (headerBytes == kCoreHeaderBytes) {
        if (size < kFileHeaderBytes + kCoreHeaderBytes)
            return false;
        width = Le16(data + 18);
        height = Le16(data + 20);
        bits = Le16(data + 24);
    } else {
        if (size < kFileHeaderBytes + 20)
            return false;
        width = static_cast<std::int32_t>(Le32(data + 18));
        height = static_cast<std::int32_t>(Le32(data + 22));
        bits = Le16(data + 28);
        compression = headerBytes >= 20 ? Le32(data + 30) : kRgb;
    }
    const std::int64_t rows = std::llabs(height);  // negative: stored top-down
    if (width <= 0 || rows == 0)
        return true;
    if (compression == kRle8 || compression == kRle4)
        return RunsSetEveryPixel(data, size, offset, width, rows, compression == kRle4);
    if (compression != kRgb && compression != kBitFields && compression != kAlphaBitFields)
        return true;
    const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    return static_cast<std::uint64_t>(offset) + rowBytes * static_cast<std::uint64_t>(rows) <= size;
}

}  // namespace platform
