#include "imaging/png/WholeStreamDeflater.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <new>

namespace platform {
namespace {

void SetBit(std::vector<std::uint8_t>& bytes, std::size_t bit, bool on) {
    const auto mask = static_cast<std::uint8_t>(1u << (bit % 8));
    if (on)
        bytes[bit / 8] |= mask;
    else
        bytes[bit / 8] &= static_cast<std::uint8_t>(~mask);
}

}  // namespace

WholeStreamDeflater::WholeStreamDeflater(int level) : compressor_(libdeflate_alloc_compressor(level)) {
    if (!compressor_) throw std::bad_alloc();
}

WholeStreamDeflater::~WholeStreamDeflater() { libdeflate_free_compressor(compressor_); }

bool WholeStreamDeflater::compress(const std::uint8_t* data, std::size_t size, bool last,
                                   std::vector<std::uint8_t>& out) {
    out.resize(libdeflate_deflate_compress_bound(compressor_, size) + 8);
    const std::size_t n = libdeflate_deflate_compress(compressor_, data, size, out.data(), out.size());
    if (n == 0) return false;
    out.resize(n);
    return last || JoinableDeflate(out);
}

std::size_t WholeStreamDeflater::size(const std::uint8_t* data, std::size_t size) {
    trialOut_.resize(libdeflate_deflate_compress_bound(compressor_, size));
    const std::size_t n = libdeflate_deflate_compress(compressor_, data, size, trialOut_.data(), trialOut_.size());
    return n ? n : size + size / 8;  // cannot happen within the bound; ranks last if it does
}

bool JoinableDeflate(std::vector<std::uint8_t>& stream) {
    if (stream.empty() || stream.size() > (std::size_t{1} << 31)) return false;
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK) return false;
    std::uint8_t sink[1 << 15];
    z.next_in = stream.data();
    z.avail_in = static_cast<uInt>(stream.size());
    // Bit positions of the last two block ends; Z_BLOCK stops right after each end code, where
    // fewer than eight bits of the last byte read are unused.
    std::size_t previous = 0, boundary = 0;
    bool whole = false;
    for (;;) {
        z.next_out = sink;
        z.avail_out = sizeof sink;
        if (inflate(&z, Z_BLOCK) != Z_OK) break;
        if (z.data_type & 128) {
            previous = boundary;
            boundary = (stream.size() - z.avail_in) * 8 - static_cast<std::size_t>(z.data_type & 7);
            if (z.data_type & 64) {  // that was the final block's end
                whole = true;
                break;
            }
        } else if (z.avail_out != 0) {
            break;  // the data ran out inside a block
        }
    }
    const bool clean = whole && z.avail_in == 0;
    inflateEnd(&z);
    if (!clean) return false;
    const std::size_t finalStart = previous, end = boundary;
    SetBit(stream, finalStart, false);
    for (std::size_t bit = end; bit % 8 != 0; ++bit) SetBit(stream, bit, false);
    // An empty stored block: its three header bits (all zero) where the stream ended, then
    // LEN 0 and NLEN 0xFFFF from the next byte boundary.
    if (end % 8 == 0 || end % 8 > 5) stream.push_back(0);
    stream.insert(stream.end(), {0x00, 0x00, 0xFF, 0xFF});
    return true;
}

}  // namespace platform
