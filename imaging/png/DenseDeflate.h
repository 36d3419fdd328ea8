#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct libdeflate_compressor;

namespace platform {

// Deflates a strip as small as deflate gets in reasonable time: libdeflate's near-optimal parsing
// (its levels 10 to 12, the zopfli class), whose streams are 5 to 15 % smaller than zlib's best on
// the same filtered rows. libdeflate writes whole streams only, so each strip is made joinable
// afterwards (JoinableDeflate) and carries no dictionary: strips stay independent, and the file is
// the same whatever the number of threads.
class DenseDeflater {
public:
    // Throws std::bad_alloc when libdeflate cannot get its memory.
    DenseDeflater();
    ~DenseDeflater();
    DenseDeflater(const DenseDeflater&) = delete;
    DenseDeflater& operator=(const DenseDeflater&) = delete;

    // Replaces out with the data deflated as raw deflate that ends on a byte boundary, the final
    // block only when last (as StripDeflater's strips). False if it cannot be made.
    bool compress(const std::uint8_t* data, std::size_t size, bool last, std::vector<std::uint8_t>& out);
    // A quick estimate of the deflated size, to rank ways of filtering the same rows.
    std::size_t estimate(const std::uint8_t* data, std::size_t size);

private:
    libdeflate_compressor* dense_ = nullptr;
    libdeflate_compressor* quick_ = nullptr;
    std::vector<std::uint8_t> trialOut_;
};

// Turns a complete raw deflate stream into one that a following stream can be appended to: the
// final block's BFINAL bit is cleared and an empty stored block (a sync flush) brings it to a byte
// boundary. Walks the stream's blocks with zlib's inflate, which checks it whole on the way; false,
// with stream unchanged, when it is not one valid stream.
bool JoinableDeflate(std::vector<std::uint8_t>& stream);

}  // namespace platform
