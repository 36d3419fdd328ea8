#include "imaging/png/ZlibStrips.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace platform {
namespace {

// zlib counts in 32 bits, so hand it data in slices well below that.
constexpr std::size_t kMaxSlice = std::size_t{1} << 30;

// Largest symbol buffer: longer blocks, fewer Huffman tables, slightly smaller files.
constexpr int kMemLevel = 9;

// Drawn strips: level 6 is the best size for its time among zlib's levels (see docs/png-writer.md).
constexpr int kMatchLevel = 6;

// Up rows: level 3, tuned below, gave the smallest files within twice the time (docs/png-writer.md).
constexpr int kFastMatchLevel = 3;
constexpr int kFastGoodLength = 4, kFastInsertUpTo = 16, kFastNiceLength = 32, kFastChain = 32;

// The trial: eight slices of 4 KiB spread over the strip, so a strip with a photo on one side and
// drawn panels on the other is seen whole, compressed once each way at level 1, a small part of the
// strip's own cost. Matching must win clearly, for the ratios photo and drawn strips reach
// (docs/png-writer.md, "How a strip is deflated").
constexpr int kTrialSlices = 8;
constexpr std::size_t kTrialSliceBytes = 4096;
constexpr double kMatchesWinBelow = 0.9;

// A strip that runs already shrink sixteen-fold is mostly flat; the trial's slices may all have
// landed on flat parts and missed the text between them, and matching it costs little, so try both.
constexpr std::size_t kMostlyFlatRatio = 16;


std::unique_ptr<z_stream> NewStream(int level, int strategy) {
    auto z = std::make_unique<z_stream>();
    // Negative window bits: raw deflate; the caller writes the zlib header and Adler-32 once.
    if (deflateInit2(z.get(), level, Z_DEFLATED, -15, kMemLevel, strategy) != Z_OK) throw std::bad_alloc();
    return z;
}

// deflateReset puts back the level's own parameters, so the fast setting is tuned again after each.
bool Reset(z_stream& z, bool fastMatches) {
    if (deflateReset(&z) != Z_OK) return false;
    return !fastMatches || deflateTune(&z, kFastGoodLength, kFastInsertUpTo, kFastNiceLength, kFastChain) == Z_OK;
}

}  // namespace

StripDeflater::StripDeflater() {
    runs_ = NewStream(1, Z_RLE);
    try {
        quick_ = NewStream(1, Z_DEFAULT_STRATEGY);
    } catch (...) {
        deflateEnd(runs_.get());  // the destructor does not run when this throws
        throw;
    }
}

StripDeflater::~StripDeflater() {
    deflateEnd(runs_.get());
    deflateEnd(quick_.get());
    if (matches_) deflateEnd(matches_.get());
    if (fastMatches_) deflateEnd(fastMatches_.get());
    if (huffman_) deflateEnd(huffman_.get());
}

// Made on first use: a photo never needs it, and it costs a third of a megabyte a thread.
z_stream& StripDeflater::matchStream() {
    if (!matches_) matches_ = NewStream(kMatchLevel, Z_DEFAULT_STRATEGY);
    return *matches_;
}

z_stream& StripDeflater::fastMatchStream() {
    if (!fastMatches_) fastMatches_ = NewStream(kFastMatchLevel, Z_DEFAULT_STRATEGY);
    return *fastMatches_;
}

z_stream& StripDeflater::huffmanStream() {
    if (!huffman_) huffman_ = NewStream(1, Z_HUFFMAN_ONLY);
    return *huffman_;
}

bool StripDeflater::compress(const std::uint8_t* dict, std::size_t dictSize, const std::uint8_t* data,
                             std::size_t size, bool last, std::vector<std::uint8_t>& out, Setting setting) {
    if (setting == Setting::Fastest) {
        const auto zeros = static_cast<std::size_t>(std::count(data, data + size, std::uint8_t{0}));
        z_stream& z = zeros > size / 4 ? *runs_ : huffmanStream();
        return deflateWith(z, dict, dictSize, data, size, last, out);
    }
    if (setting == Setting::Chosen && matchingLooksBetter(data, size)) setting = Setting::Matches;
    if (setting == Setting::Matches) return deflateWith(matchStream(), dict, dictSize, data, size, last, out);
    if (setting == Setting::QuickMatches) return deflateWith(*quick_, dict, dictSize, data, size, last, out);
    if (setting == Setting::FastMatches)
        return deflateWith(fastMatchStream(), dict, dictSize, data, size, last, out);
    if (!deflateWith(*runs_, dict, dictSize, data, size, last, out)) return false;
    if (setting == Setting::Runs || out.size() >= size / kMostlyFlatRatio) return true;
    if (!deflateWith(matchStream(), dict, dictSize, data, size, last, spare_)) return false;
    if (spare_.size() < out.size()) out.swap(spare_);
    return true;
}

bool StripDeflater::matchingLooksBetter(const std::uint8_t* data, std::size_t size) {
    const std::size_t runs = trialSize(*runs_, data, size);
    const std::size_t matches = trialSize(*quick_, data, size);
    return runs > 0 && matches > 0 && static_cast<double>(matches) < kMatchesWinBelow * static_cast<double>(runs);
}

// Compressed size of the strip's trial slices, or 0 if zlib fails (the trial then decides nothing).
std::size_t StripDeflater::trialSize(z_stream& z, const std::uint8_t* data, std::size_t size) {
    if (deflateReset(&z) != Z_OK) return 0;
    const std::size_t slice = std::min(kTrialSliceBytes, size / kTrialSlices);
    const int slices = slice > 0 ? kTrialSlices : 1;
    const std::size_t take = slice > 0 ? slice : size;  // a tiny strip is its own sample
    trialOut_.resize(deflateBound(&z, static_cast<uLong>(take) * slices) + 64);
    z.next_out = trialOut_.data();
    z.avail_out = static_cast<uInt>(trialOut_.size());
    for (int i = 0; i < slices; ++i) {
        // Slice i is centred on the middle of the i-th eighth of the strip.
        const std::size_t at = slices > 1 ? (2 * i + 1) * size / (2 * slices) - take / 2 : 0;
        z.next_in = const_cast<Bytef*>(data + at);
        z.avail_in = static_cast<uInt>(take);
        const int rc = deflate(&z, i + 1 == slices ? Z_FINISH : Z_NO_FLUSH);
        if (rc != (i + 1 == slices ? Z_STREAM_END : Z_OK) || z.avail_in != 0) return 0;
    }
    return trialOut_.size() - z.avail_out;
}

bool StripDeflater::deflateWith(z_stream& z, const std::uint8_t* dict, std::size_t dictSize,
                                const std::uint8_t* data, std::size_t size, bool last,
                                std::vector<std::uint8_t>& out) {
    if (!Reset(z, &z == fastMatches_.get())) return false;
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
