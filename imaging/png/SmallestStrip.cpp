#include "imaging/png/SmallestStrip.h"

#include "imaging/png/PngWriter.h"

#include <algorithm>

namespace platform {
namespace {

// The sample: four runs of consecutive rows of about 32 KiB each, spread over the strip, so that
// rows are ranked with the rows above them as deflate will see them, at an eighth of the strip.
constexpr int kSampleRuns = 4;
constexpr std::size_t kSampleRunBytes = std::size_t{32} << 10;

}  // namespace

SmallestStripEncoder::SmallestStripEncoder(std::size_t rowBytes) : rowBytes_(rowBytes) {}

void SmallestStripEncoder::filterRows(const RgbRows& image, RowFilters way, std::size_t from, std::size_t to,
                                      std::vector<std::uint8_t>& into) {
    PngRowFilter filter(rowBytes_, way);
    const std::size_t filteredRow = rowBytes_ + 1;
    const std::size_t at = into.size();
    into.resize(at + (to - from) * filteredRow);
    const auto row = [&](std::size_t r) { return image.pixels + static_cast<std::ptrdiff_t>(r) * image.stride; };
    for (std::size_t r = from; r < to; ++r)
        filter.filter(r > 0 ? row(r - 1) : nullptr, row(r), into.data() + at + (r - from) * filteredRow);
}

RowFilters SmallestStripEncoder::rankedBest(const RgbRows& image, std::size_t r0, std::size_t r1) {
    const std::size_t rows = r1 - r0;
    const std::size_t runRows = std::max<std::size_t>(2, kSampleRunBytes / (rowBytes_ + 1));
    const bool whole = rows <= runRows * kSampleRuns;
    RowFilters best = RowFilters::Adaptive;
    std::size_t bestSize = 0;
    for (const RowFilters way : kWays) {
        sample_.clear();
        if (whole) {
            filterRows(image, way, r0, r1, sample_);
        } else {
            for (int i = 0; i < kSampleRuns; ++i) {
                const std::size_t from = r0 + (rows - runRows) * static_cast<std::size_t>(i) / (kSampleRuns - 1);
                filterRows(image, way, from, from + runRows, sample_);
            }
        }
        const std::size_t size = quick_.size(sample_.data(), sample_.size());
        if (bestSize == 0 || size < bestSize) {
            best = way;
            bestSize = size;
        }
    }
    return best;
}

bool SmallestStripEncoder::encode(const RgbRows& image, std::size_t r0, std::size_t r1, bool last,
                                  std::vector<std::uint8_t>& filtered, std::vector<std::uint8_t>& out) {
    const RowFilters way = rankedBest(image, r0, r1);
    filtered.clear();
    filterRows(image, way, r0, r1, filtered);
    if (!dense_.compress(filtered.data(), filtered.size(), last, out)) return false;
    if (!runs_.compress(nullptr, 0, filtered.data(), filtered.size(), last, spare_, StripDeflater::Setting::Runs))
        return false;
    if (spare_.size() < out.size()) out.swap(spare_);
    return true;
}

}  // namespace platform
