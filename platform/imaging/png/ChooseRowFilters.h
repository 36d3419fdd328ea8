#pragma once

#include "platform/imaging/png/PngFilter.h"
#include "platform/imaging/png/PngWriter.h"

namespace platform {

// How the writer filters a whole picture's rows. Photos decoded from chroma-subsampled JPEGs (as
// phones and most cameras write them) change by nearly the same small step in every channel from one
// row to the next; filtered with Up, those steps repeat as short strings that fast string matching
// finds, and the file is 3-5 % smaller than with adaptive filters and run-length matching. Other
// photos lose 4-25 % that way, so two samples of about 256 KiB of rows each (a quarter and three
// quarters down) are written both ways, and Up is chosen only when it wins there clearly. Pictures
// too small for the samples to be worth their cost are filtered adaptively.
RowFilters ChooseRowFilters(const RgbRows& image);

}  // namespace platform
