#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct libdeflate_compressor;

namespace platform {

// Strips deflated by libdeflate, which is both faster than zlib at zlib's levels and, at its
// near-optimal levels (10 to 12, the zopfli class), 5 to 15 % smaller than zlib's best on the same
// filtered rows. It writes whole streams only, so each strip is made joinable afterwards
// (JoinableDeflate) and carries no dictionary: a strip depends on its own rows alone.
class WholeStreamDeflater {
public:
    // The near-optimal level the smallest files are deflated at, and a quick one that ranks ways
    // of filtering the same rows as it does, at a tenth of its cost (docs/png-writer.md).
    static constexpr int kDense = 11;
    static constexpr int kQuick = 6;

    // Throws std::bad_alloc when libdeflate cannot get its memory (8.6 MiB at the dense levels).
    explicit WholeStreamDeflater(int level);
    ~WholeStreamDeflater();
    WholeStreamDeflater(const WholeStreamDeflater&) = delete;
    WholeStreamDeflater& operator=(const WholeStreamDeflater&) = delete;

    // Replaces out with the data deflated as raw deflate that ends on a byte boundary, the final
    // block only when last (as StripDeflater's strips). False if it cannot be made.
    bool compress(const std::uint8_t* data, std::size_t size, bool last, std::vector<std::uint8_t>& out);
    // The deflated size of the data, to rank ways of filtering the same rows.
    std::size_t size(const std::uint8_t* data, std::size_t size);

private:
    libdeflate_compressor* compressor_ = nullptr;
    std::vector<std::uint8_t> trialOut_;
};

// Turns a complete raw deflate stream into one that a following stream can be appended to: the
// final block's BFINAL bit is cleared and an empty stored block (a sync flush) brings it to a byte
// boundary. Walks the stream's blocks with zlib's inflate, which checks it whole on the way; false,
// with stream unchanged, when it is not one valid stream.
bool JoinableDeflate(std::vector<std::uint8_t>& stream);

}  // namespace platform
