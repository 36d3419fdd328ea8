#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct z_stream_s;

namespace platform {

// Compresses strips of one zlib stream with zlib so they can be made on different threads and joined
// by plain concatenation: each strip is raw deflate primed with the 32 KiB of data before it (as a
// dictionary), ends with a sync flush on a byte boundary, and only the last carries the final block.
// The caller writes the zlib header once and an Adler-32 combined from the strips' own.
class StripDeflater {
public:
    // Throws std::bad_alloc when zlib cannot get its memory.
    StripDeflater();
    ~StripDeflater();
    StripDeflater(const StripDeflater&) = delete;
    StripDeflater& operator=(const StripDeflater&) = delete;

    // Replaces out's contents with the compressed piece. dict is the uncompressed data just before
    // this piece (only its last 32 KiB matter). Returns false if zlib reports an error.
    bool compress(const std::uint8_t* dict, std::size_t dictSize, const std::uint8_t* data, std::size_t size,
                  bool last, std::vector<std::uint8_t>& out);

private:
    std::unique_ptr<z_stream_s> stream_;
};

constexpr std::size_t kDeflateWindow = 32768;

// The two bytes in front of the stream: 32 KiB window, no dictionary, "fastest" level hint.
constexpr std::uint8_t kZlibHeader[2] = {0x78, 0x01};

// zlib's checksums.
std::uint32_t Adler32(std::uint32_t adler, const std::uint8_t* data, std::size_t size);

// Adler-32 of A followed by B, from Adler-32 of A, Adler-32 of B and B's length.
std::uint32_t Adler32Combine(std::uint32_t adlerA, std::uint32_t adlerB, std::uint64_t sizeB);

std::uint32_t Crc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size);

}  // namespace platform
