#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/png/WholeStreamDeflater.h"
#include "imaging/png/PngFilter.h"
#include "imaging/png/ZlibStrips.h"

namespace platform {

struct RgbRows;

// Filters and deflates one strip for the smallest file. Which filtering deflates smallest differs
// from picture to picture and along one (Up on photos from subsampled JPEGs and on smooth ones,
// each row its own on drawn ones), so a sample of the strip's rows is filtered every way (adaptive,
// and every row None, Sub, Up, Average or Paeth) and ranked by a quick deflate; the strip is
// filtered the winning way and deflated densely. Noisy rows are near what deflate can do with
// literals, where zlib's run-length pass can edge out the dense one: the smaller of the two is kept.
// The strip needs no dictionary, so strips are made on any thread in any order and the file is the
// same (docs/png-writer.md, "Smallest").
class SmallestStripEncoder {
public:
    explicit SmallestStripEncoder(std::size_t rowBytes);

    // Rows r0 to r1 (exclusive) of image, whose rows up to r1 are in place: filtered is what was
    // deflated (for the stream's checksum), out the deflate data, ending on a byte boundary and
    // final only when last. Throws std::bad_alloc when out of memory.
    bool encode(const RgbRows& image, std::size_t r0, std::size_t r1, bool last, std::vector<std::uint8_t>& filtered,
                std::vector<std::uint8_t>& out);

private:
    static constexpr std::array<RowFilters, 6> kWays = {RowFilters::Adaptive, RowFilters::None, RowFilters::Sub,
                                                        RowFilters::Up, RowFilters::Average, RowFilters::Paeth};
    RowFilters rankedBest(const RgbRows& image, std::size_t r0, std::size_t r1);
    void filterRows(const RgbRows& image, RowFilters way, std::size_t from, std::size_t to,
                    std::vector<std::uint8_t>& into);

    std::size_t rowBytes_;
    WholeStreamDeflater dense_{WholeStreamDeflater::kDense};
    WholeStreamDeflater quick_{WholeStreamDeflater::kQuick};
    StripDeflater runs_;
    std::vector<std::uint8_t> sample_;
    std::vector<std::uint8_t> spare_;
};

}  // namespace platform
