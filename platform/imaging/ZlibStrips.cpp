#include "platform/imaging/ZlibStrips.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace platform {
namespace {

// zlib counts in 32 bits, so hand it data in slices well below that.
constexpr std::size_t kMaxSlice = std::size_t{1} << 30;

// Level 1 with run-length matching only: the fastest setting measured on photos with sensor noise.
// The default strategy at levels 1-3 writes somewhat smaller files in clearly more time, so this is
// a measured trade of size for speed, not a fixed rule.
constexpr int kStrategy = Z_RLE;
// Largest symbol buffer: longer blocks, fewer Huffman tables, slightly smaller files.
constexpr int kMemLevel = 9;

}  // namespace

StripDeflater::StripDeflater() : stream_(std::make_unique<z_stream>()) {
    // Negative window bits: raw deflate; the caller writes the zlib header and Adler-32 once.
    if (deflateInit2(stream_.get(), 1, Z_DEFLATED, -15, kMemLevel, kStrategy) != Z_OK) throw std::bad_alloc();
}

StripDeflater::~StripDeflater() { deflateEnd(stream_.get()); }

bool StripDeflater::compress(const std::uint8_t* dict, std::size_t dictSize, const std::uint8_t* data,
                             std::size_t size, bool last, std::vector<std::uint8_t>& out) {
    z_stream& z = *stream_;
    if (deflateReset(&z) != Z_OK) return false;
    if (dictSize > 0) {
        const std::size_t keep = std::min(dictSize, kDeflateWindow);
        if (deflateSetDictionary(&z, dict + dictSize - keep, static_cast<uInt>(keep)) != Z_OK) return false;
    }

    // The bound covers incompressible input; a sync flush adds a few bytes more.
    out.resize(size <= kMaxSlice ? deflateBound(&z, static_cast<uLong>(size)) + 64 : size / 2);
    std::size_t produced = 0;
    std::size_t consumed = 0;
    do {
        const std::size_t slice = std::min(size - consumed, kMaxSlice);
        const bool finalSlice = consumed + slice == size;
        const int flush = !finalSlice ? Z_NO_FLUSH : last ? Z_FINISH : Z_SYNC_FLUSH;
        z.next_in = const_cast<Bytef*>(data + consumed);
        z.avail_in = static_cast<uInt>(slice);
        for (;;) {
            if (out.size() - produced < 64) out.resize(out.size() + out.size() / 2 + 4096);
            const std::size_t room = std::min(out.size() - produced, kMaxSlice);
            z.next_out = out.data() + produced;
            z.avail_out = static_cast<uInt>(room);
            const int rc = deflate(&z, flush);
            produced += room - z.avail_out;
            if (rc == Z_STREAM_END) break;
            if (rc != Z_OK && rc != Z_BUF_ERROR) return false;
            // With room to spare zlib has flushed all it was given.
            if (flush != Z_FINISH && z.avail_in == 0 && z.avail_out > 0) break;
            if (rc == Z_BUF_ERROR && z.avail_out > 0) return false;  // no progress possible: never spin
        }
        consumed += slice;
    } while (consumed < size);
    out.resize(produced);
    return true;
}

std::uint32_t Adler32(std::uint32_t adler, const std::uint8_t* data, std::size_t size) {
    return static_cast<std::uint32_t>(adler32_z(adler, data, size));
}

std::uint32_t Adler32Combine(std::uint32_t adlerA, std::uint32_t adlerB, std::uint64_t sizeB) {
    return static_cast<std::uint32_t>(adler32_combine64(adlerA, adlerB, static_cast<z_off64_t>(sizeB)));
}

std::uint32_t Crc32(std::uint32_t crc, const std::uint8_t* data, std::size_t size) {
    return static_cast<std::uint32_t>(crc32_z(crc, data, size));
}

}  // namespace platform
