#pragma once

#include <optional>

#include "imaging/png/PngFilter.h"
#include "imaging/png/PngWriter.h"
#include "imaging/png/ZlibStrips.h"

namespace platform {

// How the writer filters a whole picture's rows. Photos decoded from chroma-subsampled JPEGs (as
// phones and most cameras write them) change by nearly the same small step in every channel from one
// row to the next; filtered with Up, those steps repeat as short strings that fast string matching
// finds, and the file is smaller than with adaptive filters and run-length matching. Other photos
// grow that way. So two samples of rows (a quarter and three quarters down) are written three ways:
// adaptive filters with the per-strip choice, Up with quick matching (level 1) and Up with fast
// matching (level 3, tuned); the cheapest way within kWithin of the smallest sample wins. Pictures
// too small for the samples to be worth their cost are filtered adaptively. The figures behind
// each choice are in docs/png-writer.md ("How the rows are filtered").
struct RowChoice {
    RowFilters filters = RowFilters::Adaptive;
    StripDeflater::Setting deflate = StripDeflater::Setting::Chosen;
    friend bool operator==(const RowChoice&, const RowChoice&) = default;
};
RowChoice ChooseRowFilters(const RgbRows& image);

// The same samples taken one at a time, each once its rows are in (RgbRows::arriving), so that a
// writer whose rows are still being decoded can start on a guess from the first sample while the
// second is decoded, and keep that work only when the whole choice agrees.
class RowFilterSamples {
public:
    explicit RowFilterSamples(const RgbRows& image);
    // Whether every sample has been taken (at once for a picture too small to be sampled).
    bool Complete() const { return taken_ == count_; }
    // Takes the next sample; false when its rows never came or it could not be deflated, after
    // which the choice is adaptive filters, as ChooseRowFilters makes it then.
    bool TakeNext();
    // The choice from the samples taken so far; once complete, ChooseRowFilters' own.
    RowChoice Choice() const;

private:
    const RgbRows& image_;
    int count_ = 0;
    int taken_ = 0;
    bool failed_ = false;
    std::size_t rows_ = 0;
    std::size_t sizes_[3] = {};
    std::optional<StripDeflater> deflater_;  // made for the first sample
};

}  // namespace platform
