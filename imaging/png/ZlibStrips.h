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
//
// Each strip gets the setting that suits it. Filtered photos are small residuals with few real
// repeats: run-length matching at level 1 is both the fastest and the smallest there. Drawn pictures
// (screenshots, text, flat panels) repeat whole runs of bytes, which only string matching finds; on
// them level 6 writes a quarter of the run-length size at little cost. A trial on samples of the strip
// picks the setting; a strip that runs shrink to almost nothing is tried with matching as well.
// Photos decoded from chroma-subsampled JPEGs, filtered with Up, repeat short strings of pixels
// (the same small step in every channel) that fast string matching finds: the writer may choose that
// for a whole picture (see ChooseRowFilters).
class StripDeflater {
public:
    // Throws std::bad_alloc when zlib cannot get its memory (here, or in compress when a strip first
    // needs string matching).
    StripDeflater();
    ~StripDeflater();
    StripDeflater(const StripDeflater&) = delete;
    StripDeflater& operator=(const StripDeflater&) = delete;

    // Fastest: the cheapest pass that keeps a fast photo strip near its usual size: runs where over
    // a quarter of the filtered bytes are zero (smooth photos), else Huffman codes alone (noisy
    // photos' residuals, rarely zero). Drawn strips are the writer's to deflate (see looksDrawn).
    enum class Setting { Runs, Matches, QuickMatches, FastMatches, Chosen, Fastest };

    // Replaces out's contents with the compressed piece. dict is the uncompressed data just before
    // this piece (only its last 32 KiB matter). Setting::Chosen decides between Runs and Matches per
    // strip as described above; the others force one setting. Returns false if zlib reports an error.
    bool compress(const std::uint8_t* dict, std::size_t dictSize, const std::uint8_t* data, std::size_t size,
                  bool last, std::vector<std::uint8_t>& out, Setting setting = Setting::Chosen);

    // Whether a trial on samples of the strip says string matching wins clearly (drawn pictures).
    bool looksDrawn(const std::uint8_t* data, std::size_t size) { return matchingLooksBetter(data, size); }

private:
    bool deflateWith(z_stream_s& z, const std::uint8_t* dict, std::size_t dictSize, const std::uint8_t* data,
                     std::size_t size, bool last, std::vector<std::uint8_t>& out);
    bool matchingLooksBetter(const std::uint8_t* data, std::size_t size);
    std::size_t trialSize(z_stream_s& z, const std::uint8_t* data, std::size_t size);
    z_stream_s& matchStream();
    z_stream_s& fastMatchStream();
    z_stream_s& huffmanStream();

    std::unique_ptr<z_stream_s> runs_;     // level 1, run-length matching only
    std::unique_ptr<z_stream_s> matches_;  // level 6, full string matching
    std::unique_ptr<z_stream_s> quick_;    // level 1, full string matching: trials only
    std::unique_ptr<z_stream_s> fastMatches_;  // level 3, tuned for Up-filtered photos
    std::unique_ptr<z_stream_s> huffman_;  // Huffman codes only: Fastest on photos
    std::vector<std::uint8_t> spare_;      // the losing attempt when both settings are tried
    std::vector<std::uint8_t> trialOut_;
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
