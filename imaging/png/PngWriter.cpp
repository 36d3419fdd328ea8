#include "imaging/png/PngWriter.h"
#include "imaging/png/PngWriteOptions.h"

#include "imaging/png/ChooseRowFilters.h"
#include "imaging/png/DetailChunks.h"
#include "imaging/png/PngFilter.h"
#include "imaging/png/SmallestStrip.h"
#include "imaging/png/WholeStreamDeflater.h"
#include "imaging/png/ZlibStrips.h"
#include "imaging/ImagingLimits.h"
#include "imaging/ImagingThreads.h"
#include "imaging/RowHandOver.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace platform {
namespace {

// About 1 MiB of filtered rows a strip: much larger ones leave a core idle at the end, smaller ones
// re-filter more rows for dictionaries and write more block headers (timings in docs/png-writer.md).
constexpr std::size_t kStripTargetBytes = std::size_t{1} << 20;
constexpr std::size_t kIdatMaxData = std::size_t{1} << 20;
constexpr unsigned kMaxThreads = 256;
// Strips finished but not yet written, per thread: bounds memory when the sink is slow.
constexpr std::size_t kStripsAheadPerThread = 2;

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

void PutBe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

struct Layout {
    std::size_t width = 0;
    std::size_t height = 0;
    std::size_t rowBytes = 0;       // raw RGB bytes in a row
    std::size_t filteredRow = 0;    // filter byte plus the row
    std::size_t stripRows = 0;
    std::size_t stripCount = 0;
    RowChoice rows;  // for every row: strips rebuild each other's dictionaries
};

std::optional<Layout> MakeLayout(const RgbRows& image, const PngWriteOptions& options) {
    if (!image.pixels || image.width <= 0 || image.height <= 0 || image.stride <= 0) return std::nullopt;
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::ptrdiff_t>::max());
    Layout l;
    l.width = static_cast<std::size_t>(image.width);
    l.height = static_cast<std::size_t>(image.height);
    l.rowBytes = 3 * l.width;  // < 2^33, no overflow on 64-bit size_t
    l.filteredRow = l.rowBytes + 1;
    const auto stride = static_cast<std::uint64_t>(image.stride);
    if (stride < l.rowBytes) return std::nullopt;
    // The last row's end must be addressable, and the filtered image countable.
    if ((l.height - 1) > (kMax - l.rowBytes) / stride) return std::nullopt;
    if (l.height > kMax / l.filteredRow) return std::nullopt;

    l.stripRows = options.stripRows > 0 ? static_cast<std::size_t>(options.stripRows)
                                        : std::max<std::size_t>(1, kStripTargetBytes / l.filteredRow);
    l.stripRows = std::min(l.stripRows, l.height);
    l.stripCount = (l.height + l.stripRows - 1) / l.stripRows;
    return l;
}

std::uint32_t PixelsPerMetre(double dpi) {
    if (!std::isfinite(dpi) || dpi <= 0) dpi = 96;
    const double ppm = std::round(dpi / 0.0254);
    // PNG's four-byte numbers stop at 2^31-1.
    return static_cast<std::uint32_t>(std::clamp(ppm, 1.0, 2147483647.0));
}

// Frames bytes into chunks and hands them to the sink. IDAT data is gathered into chunks of up to
// kIdatMaxData so the file does not end up with one chunk per strip.
class ChunkWriter {
public:
    explicit ChunkWriter(const ByteSink& sink) : sink_(sink) {}

    bool raw(const std::uint8_t* data, std::size_t size) { return sink_(data, size); }

    bool chunk(const char* type, const std::uint8_t* data, std::size_t size) {
        std::vector<std::uint8_t> buf(size + 12);
        PutBe32(buf.data(), static_cast<std::uint32_t>(size));
        std::memcpy(buf.data() + 4, type, 4);
        if (size) std::memcpy(buf.data() + 8, data, size);
        PutBe32(buf.data() + 8 + size, Crc32(0, buf.data() + 4, size + 4));
        return sink_(buf.data(), buf.size());
    }

    bool idat(const std::uint8_t* data, std::size_t size) {
        if (idat_.empty()) {
            idat_.resize(8 + kIdatMaxData + 4);
            std::memcpy(idat_.data() + 4, "IDAT", 4);
        }
        while (size > 0) {
            const std::size_t n = std::min(size, kIdatMaxData - fill_);
            std::memcpy(idat_.data() + 8 + fill_, data, n);
            fill_ += n;
            data += n;
            size -= n;
            if (fill_ == kIdatMaxData && !flushIdat()) return false;
        }
        return true;
    }

    bool flushIdat() {
        if (fill_ == 0) return true;
        PutBe32(idat_.data(), static_cast<std::uint32_t>(fill_));
        PutBe32(idat_.data() + 8 + fill_, Crc32(0, idat_.data() + 4, fill_ + 4));
        const std::size_t total = fill_ + 12;
        fill_ = 0;
        return sink_(idat_.data(), total);
    }

private:
    const ByteSink& sink_;
    std::vector<std::uint8_t> idat_;
    std::size_t fill_ = 0;
};

struct EncodedStrip {
    std::vector<std::uint8_t> bytes;
    std::uint32_t adler = 1;
    std::uint64_t filteredSize = 0;
};

// Filters and compresses one strip at a time; one per thread, reused across strips.
class StripEncoder {
public:
    StripEncoder(const RgbRows& image, const Layout& layout, const PngWriteOptions& options)
        : image_(image), layout_(layout), failAtStrip_(options.failAtStrip), setting_(layout.rows.deflate),
          filter_(layout.rowBytes, layout.rows.filters), deflater_() {
        if (image.effort == PngEffort::Smallest && options.deflate == PngDeflate::PerStrip)
            smallest_.emplace(layout.rowBytes);
    }

    bool encode(std::size_t strip, EncodedStrip& out) {
        const Layout& l = layout_;
        const std::size_t r0 = strip * l.stripRows;
        const std::size_t r1 = std::min(l.height, r0 + l.stripRows);
        if (smallest_) return encodeSmallest(strip, r0, r1, out);
        // The rows just above the strip are filtered again here to rebuild the dictionary, so
        // strips never wait on each other.
        const std::size_t dictRows = std::min(r0, (kDeflateWindow + l.filteredRow - 1) / l.filteredRow);
        const std::size_t first = r0 - dictRows;
        if (!RowsArrived(image_, r1)) return false;
        filtered_.resize((r1 - first) * l.filteredRow);
        for (std::size_t r = first; r < r1; ++r)
            filter_.filter(r > 0 ? row(r - 1) : nullptr, row(r), filtered_.data() + (r - first) * l.filteredRow);

        if (failAtStrip_ >= 0 && strip == static_cast<std::size_t>(failAtStrip_)) throw std::bad_alloc();

        const std::size_t dictSize = dictRows * l.filteredRow;
        const std::uint8_t* data = filtered_.data() + dictSize;
        out.filteredSize = filtered_.size() - dictSize;
        out.adler = Adler32(1, data, out.filteredSize);
        const bool last = strip + 1 == l.stripCount;
        // A fast file's drawn strips: libdeflate at zlib's usual level is as small, in half the time.
        if (setting_ == StripDeflater::Setting::Fastest && deflater_.looksDrawn(data, out.filteredSize)) {
            if (!quick_) quick_.emplace(WholeStreamDeflater::kQuick);
            return quick_->compress(data, out.filteredSize, last, out.bytes);
        }
        return deflater_.compress(filtered_.data(), dictSize, data, out.filteredSize, last, out.bytes, setting_);
    }

private:
    // Strips for the smallest file stand alone: no dictionary, so no rows above to filter again.
    bool encodeSmallest(std::size_t strip, std::size_t r0, std::size_t r1, EncodedStrip& out) {
        if (!RowsArrived(image_, r1)) return false;
        if (failAtStrip_ >= 0 && strip == static_cast<std::size_t>(failAtStrip_)) throw std::bad_alloc();
        if (!smallest_->encode(image_, r0, r1, strip + 1 == layout_.stripCount, filtered_, out.bytes)) return false;
        out.filteredSize = filtered_.size();
        out.adler = Adler32(1, filtered_.data(), filtered_.size());
        return true;
    }

    const std::uint8_t* row(std::size_t r) const {
        return image_.pixels + static_cast<std::ptrdiff_t>(r) * image_.stride;
    }

    const RgbRows& image_;
    const Layout& layout_;
    int failAtStrip_;
    StripDeflater::Setting setting_;
    PngRowFilter filter_;
    StripDeflater deflater_;
    std::optional<SmallestStripEncoder> smallest_;
    std::optional<WholeStreamDeflater> quick_;
    std::vector<std::uint8_t> filtered_;
};

// Receives strips in order, writes them as IDAT data and keeps the running Adler-32.
class StreamTail {
public:
    StreamTail(ChunkWriter& out, const RgbRows& image) : out_(out), image_(image) {}

    bool begin() { return out_.idat(kZlibHeader, sizeof kZlibHeader); }

    bool add(const EncodedStrip& s) {
        adler_ = Adler32Combine(adler_, s.adler, s.filteredSize);
        if (!out_.idat(s.bytes.data(), s.bytes.size())) return false;
        // A strip is whole rows, each a filter byte and its pixels.
        if (image_.rowsWritten)
            image_.rowsWritten->fetch_add(static_cast<std::int64_t>(s.filteredSize / (1 + 3 * std::uint64_t(image_.width))),
                                          std::memory_order_relaxed);
        return true;
    }

    bool end() {
        std::uint8_t trailer[4];
        PutBe32(trailer, adler_);
        return out_.idat(trailer, 4) && out_.flushIdat();
    }

private:
    ChunkWriter& out_;
    const RgbRows& image_;
    std::uint32_t adler_ = 1;
};

bool EncodeOnThisThread(const RgbRows& image, const Layout& layout, const PngWriteOptions& options,
                        StreamTail& tail) {
    StripEncoder encoder(image, layout, options);
    EncodedStrip strip;
    for (std::size_t i = 0; i < layout.stripCount; ++i) {
        if (!encoder.encode(i, strip) || !tail.add(strip)) return false;
    }
    return true;
}

// Workers take strips in order and may run ahead of the writer by a bounded number of strips; the
// calling thread writes finished strips in order as they arrive.
class ParallelEncoder {
public:
    // extraAhead: strips the workers may deflate beyond their usual lead while the writer waits.
    ParallelEncoder(const RgbRows& image, const Layout& layout, const PngWriteOptions& options, unsigned threads,
                    std::size_t extraAhead = 0)
        : image_(image), layout_(layout), options_(options),
          window_(std::min<std::size_t>(layout.stripCount, threads * kStripsAheadPerThread + extraAhead)),
          slots_(window_) {
        workers_.reserve(threads);
        try {
            for (unsigned i = 0; i < threads; ++i) workers_.emplace_back([this] { work(); });
        } catch (...) {
            // Out of threads or memory: run with the workers we got; with none, run() reports failure.
        }
    }

    // Stops and joins every worker on all paths out of WritePng, exceptions included.
    ~ParallelEncoder() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        workReady_.notify_all();
        for (auto& t : workers_) t.join();
    }

    bool run(StreamTail& tail) {
        if (workers_.empty()) return false;
        EncodedStrip strip;
        for (std::size_t i = 0; i < layout_.stripCount; ++i) {
            {
                std::unique_lock lock(mutex_);
                stripDone_.wait(lock, [&] { return failed_ || slots_[i % window_].has_value(); });
                if (failed_) return false;
                strip = std::move(*slots_[i % window_]);
                slots_[i % window_].reset();
                written_ = i + 1;
            }
            workReady_.notify_all();
            if (!tail.add(strip)) return false;
        }
        return true;
    }

private:
    void work() {
        try {
            StripEncoder encoder(image_, layout_, options_);
            for (;;) {
                std::size_t i;
                {
                    std::unique_lock lock(mutex_);
                    workReady_.wait(lock, [&] {
                        return stop_ || failed_ || next_ >= layout_.stripCount || next_ < written_ + window_;
                    });
                    if (stop_ || failed_ || next_ >= layout_.stripCount) return;
                    i = next_++;
                }
                EncodedStrip strip;
                const bool ok = encoder.encode(i, strip);
                // A strip may wait a while for its turn: it keeps only the bytes it holds.
                strip.bytes.shrink_to_fit();
                {
                    std::lock_guard lock(mutex_);
                    if (ok)
                        slots_[i % window_] = std::move(strip);
                    else
                        failed_ = true;
                }
                stripDone_.notify_one();
            }
        } catch (...) {
            {
                std::lock_guard lock(mutex_);
                failed_ = true;
            }
            stripDone_.notify_one();
            workReady_.notify_all();
        }
    }

    const RgbRows& image_;
    const Layout& layout_;
    const PngWriteOptions options_;
    const std::size_t window_;

    std::mutex mutex_;
    std::condition_variable workReady_;
    std::condition_variable stripDone_;
    std::vector<std::optional<EncodedStrip>> slots_;  // strip i waits in slot i % window_
    std::size_t next_ = 0;      // next strip a worker takes
    std::size_t written_ = 0;   // strips handed to the sink
    bool stop_ = false;
    bool failed_ = false;
    std::vector<std::thread> workers_;  // last: started after everything they use exists
};

// The pixels are sRGB (the imaging layer converts every photo to it): the sRGB chunk says so, with
// the gAMA and cHRM values that stand for it, for readers that know only those.
bool WriteSrgbChunks(ChunkWriter& out) {
    const std::uint8_t intent[1] = {0};  // perceptual, the usual choice for photographs
    std::uint8_t gamma[4] = {};
    PutBe32(gamma, 45455);
    static constexpr std::uint32_t kChromaticities[8] = {31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000};
    std::uint8_t chrm[32] = {};
    for (int i = 0; i < 8; ++i) PutBe32(chrm + 4 * i, kChromaticities[i]);
    return out.chunk("sRGB", intent, sizeof intent) && out.chunk("gAMA", gamma, sizeof gamma) &&
           out.chunk("cHRM", chrm, sizeof chrm);
}

// The way a test forces, or the effort's fixed way, or nothing for the writer's own choice (which
// for the smallest file is made strip by strip).
std::optional<RowChoice> ForcedRows(PngDeflate deflate, PngEffort effort) {
    switch (deflate) {
    case PngDeflate::Runs: return RowChoice{RowFilters::Adaptive, StripDeflater::Setting::Runs};
    case PngDeflate::Matches: return RowChoice{RowFilters::Adaptive, StripDeflater::Setting::Matches};
    case PngDeflate::UpRows: return RowChoice{RowFilters::Up, StripDeflater::Setting::FastMatches};
    case PngDeflate::PerStrip: break;
    }
    switch (effort) {
    case PngEffort::Fast: return RowChoice{RowFilters::Adaptive, StripDeflater::Setting::Fastest};
    case PngEffort::Smallest: return RowChoice{};
    case PngEffort::Normal: break;
    }
    return std::nullopt;
}

bool EncodeStrips(const RgbRows& image, const Layout& layout, const PngWriteOptions& options, unsigned threads,
                  StreamTail& tail) {
    if (threads <= 1) return EncodeOnThisThread(image, layout, options, tail);
    ParallelEncoder encoder(image, layout, options, threads);
    return encoder.run(tail);
}

// Strips held while they wait for the choice to be confirmed, within kWriterAheadBytes: a strip's
// deflated bytes may take a quarter more than its rows while their buffer grows.
std::size_t StripsAheadOfTheChoice(const Layout& layout) {
    const std::size_t strip = layout.stripRows * layout.filteredRow;
    return static_cast<std::size_t>(kWriterAheadBytes) / (strip + strip / 4 + 8192);
}

// The row filters chosen from samples. Where the rows are still being decoded, the strips start
// on the first sample's choice while the second sample's rows are decoded, and that work is kept
// only when the choice from both agrees (else it is dropped and the strips start again): the file
// is always the one the whole picture gives.
bool EncodeChoosing(const RgbRows& image, Layout& layout, const PngWriteOptions& options, unsigned threads,
                    StreamTail& tail) {
    RowFilterSamples samples(image);
    if (image.arriving && threads > 1 && !samples.Complete() && samples.TakeNext() && !samples.Complete()) {
        layout.rows = samples.Choice();
        ParallelEncoder ahead(image, layout, options, threads, StripsAheadOfTheChoice(layout));
        while (!samples.Complete() && samples.TakeNext()) {}
        if (samples.Choice() == layout.rows) return ahead.run(tail);
    }
    while (!samples.Complete() && samples.TakeNext()) {}
    layout.rows = samples.Choice();
    return EncodeStrips(image, layout, options, threads, tail);
}

unsigned ThreadCount(const PngWriteOptions& options, const Layout& layout) {
    unsigned n = options.threads ? options.threads : static_cast<unsigned>(UsableCores());
    n = std::clamp(n, 1u, kMaxThreads);
    return static_cast<unsigned>(std::min<std::size_t>(n, layout.stripCount));
}

}  // namespace

bool RowsArrived(const RgbRows& image, std::size_t row) {
    return !image.arriving || image.arriving->WaitForRows(row);
}

bool WritePng(const RgbRows& image, double dpi, const ByteSink& sink) {
    return WritePng(image, dpi, sink, PngWriteOptions{});
}

bool WritePng(const RgbRows& image, double dpi, const ByteSink& sink, const PngWriteOptions& options) {
    if (!sink) return false;
    std::optional<Layout> layout = MakeLayout(image, options);
    if (!layout) return false;

    try {
        const std::optional<RowChoice> forced = ForcedRows(options.deflate, image.effort);
        ChunkWriter out(sink);
        std::uint8_t ihdr[13] = {};
        PutBe32(ihdr, static_cast<std::uint32_t>(image.width));
        PutBe32(ihdr + 4, static_cast<std::uint32_t>(image.height));
        ihdr[8] = 8;   // bits per sample
        ihdr[9] = 2;   // RGB; compression, filter method and interlace stay 0
        std::uint8_t phys[9] = {};
        const std::uint32_t ppm = PixelsPerMetre(dpi);
        PutBe32(phys, ppm);
        PutBe32(phys + 4, ppm);
        phys[8] = 1;   // unit: metre
        if (!out.raw(kSignature, sizeof kSignature) || !out.chunk("IHDR", ihdr, sizeof ihdr) ||
            !WriteSrgbChunks(out) || !out.chunk("pHYs", phys, sizeof phys))
            return false;
        if (image.details)
            for (const PngChunk& chunk : DetailChunks(*image.details))
                if (!out.chunk(chunk.type.c_str(), chunk.data.data(), chunk.data.size()))
                    return false;

        StreamTail tail(out, image);
        if (!tail.begin()) return false;
        // Helper threads come from the process's shared allowance unless a test arranges them.
        unsigned threads = ThreadCount(options, *layout);
        if (!options.threads)
            threads = TakeWriterThreads(threads);
        const std::unique_ptr<unsigned, void (*)(unsigned*)> giveBack(
            options.threads ? nullptr : &threads, [](unsigned* n) { GiveBackWriterThreads(*n); });
        bool ok;
        if (forced) {
            layout->rows = *forced;
            ok = EncodeStrips(image, *layout, options, threads, tail);
        } else {
            ok = EncodeChoosing(image, *layout, options, threads, tail);
        }
        return ok && tail.end() && out.chunk("IEND", nullptr, 0);
    } catch (...) {
        // Out of memory, or a sink that throws: the file is incomplete either way.
        return false;
    }
}

}  // namespace platform
