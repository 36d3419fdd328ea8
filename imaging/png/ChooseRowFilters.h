#pragma once

#include "imaging/png/PngFilter.h"
#include "imaging/png/PngWriter.h"
#include "imaging/png/ZlibStrips.h"

namespace platform {

// How the writer filters a whole picture's rows. Photos decoded from chroma-subsampled JPEGs (as
// phones and most cameras write them) change by nearly the same small step in every channel from one
// row to the next; filtered with Up, those steps repeat as short strings that fast string matching
// finds, and the file is 3-5 % smaller than with adaptive filters and run-length matching. Other
// photos lose 4-25 % that way. So two samples of about 256 KiB of rows each (a quarter and three
// quarters down) are written three ways: adaptive filters with the per-strip choice, Up with quick
// matching (level 1) and Up with fast matching (level 3, tuned), which costs twice the time of the
// first; the cheapest way within 1.5 % of the smallest sample wins. Pictures too small for the
// samples to be worth their cost are filtered adaptively.
struct RowChoice {
    RowFilters filters = RowFilters::Adaptive;
    StripDeflater::Setting deflate = StripDeflater::Setting::Chosen;
};
RowChoice ChooseRowFilters(const RgbRows& image);

}  // namespace platform
