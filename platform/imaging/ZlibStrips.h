#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct z_stream_s;

namespace platform {

// Compresses independent pieces of one zlib stream so they can be made on different threads and joined
// by plain concatenation: each piece is raw deflate that may refer back into the data before it (given
// as a dictionary) and ends on a byte boundary; only the last piece carries the final block.
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

// zlib's checksums, not ISA-L's: ISA-L's AVX code leaves the upper vector registers dirty, which made
// the SSE filter loops that run next on the same thread three times slower.

std::uint32_t Adler32(std::uint32_t adler, const std::uint8_t* data, std::size_t size);

// Adler-32 of A followed by B, from Adler-32 of A, Adler-32 of B and B's length.
std::uint32_t Adler32Combine(std::uint32_t adlerA, std::uint32_t adlerB, std::uint64_t sizeB);

std::uint32_t Crc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size);

}  // namespace platform
