#include "imaging/png/ChooseRowFilters.h"

#include "imaging/png/ZlibStrips.h"

#include <algorithm>
#include <vector>

namespace platform {
namespace {

constexpr std::size_t kSampleBytes = std::size_t{256} << 10;
constexpr int kSamples = 2;
// Below this many filtered bytes (4 megapixels) the samples would cost too much of the whole write;
// a picture that small is usually resampled, and so never gains from Up rows.
constexpr std::size_t kSmallestChosen = std::size_t{12} << 20;
// A sample of this size comes this close to the whole picture's ratio on every benchmark kind
// (docs/png-writer.md).
constexpr double kWithin = 1.015;

// The ways, cheapest first, as docs/png-writer.md times them.
constexpr RowChoice kWays[] = {
    {RowFilters::Adaptive, StripDeflater::Setting::Chosen},
    {RowFilters::Up, StripDeflater::Setting::QuickMatches},
    {RowFilters::Up, StripDeflater::Setting::FastMatches},
};
constexpr int kWayCount = sizeof kWays / sizeof kWays[0];

bool AddSample(const RgbRows& image, std::size_t firstRow, std::size_t rows, StripDeflater& deflater,
               std::size_t (&sizes)[kWayCount]) {
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(image.width);
    const std::size_t filteredRow = rowBytes + 1;
    // Each sample is taken as soon as its rows are in, while the rows below are still decoded.
    if (!RowsArrived(image, firstRow + rows)) return false;
    std::vector<std::uint8_t> adaptive(rows * filteredRow), up(rows * filteredRow);
    PngRowFilter adaptiveFilter(rowBytes), upFilter(rowBytes, RowFilters::Up);
    auto row = [&](std::size_t r) { return image.pixels + static_cast<std::ptrdiff_t>(r) * image.stride; };
    for (std::size_t i = 0; i < rows; ++i) {
        const std::size_t r = firstRow + i;
        const std::uint8_t* prev = r > 0 ? row(r - 1) : nullptr;
        adaptiveFilter.filter(prev, row(r), adaptive.data() + i * filteredRow);
        upFilter.filter(prev, row(r), up.data() + i * filteredRow);
    }
    std::vector<std::uint8_t> out;
    for (int w = 0; w < kWayCount; ++w) {
        const std::vector<std::uint8_t>& rowsFiltered = kWays[w].filters == RowFilters::Up ? up : adaptive;
        if (!deflater.compress(nullptr, 0, rowsFiltered.data(), rowsFiltered.size(), true, out, kWays[w].deflate))
            return false;
        sizes[w] += out.size();
    }
    return true;
}

}  // namespace

RowFilterSamples::RowFilterSamples(const RgbRows& image) : image_(image) {
    static_assert(sizeof sizes_ / sizeof sizes_[0] == kWayCount);
    if (!image.pixels || image.width <= 0 || image.height <= 0) return;
    const auto height = static_cast<std::size_t>(image.height);
    const std::size_t filteredRow = 3 * static_cast<std::size_t>(image.width) + 1;
    if (height * filteredRow < kSmallestChosen) return;  // the writer checked the size
    rows_ = std::min(height, (kSampleBytes + filteredRow - 1) / filteredRow);
    count_ = kSamples;
}

bool RowFilterSamples::TakeNext() {
    if (Complete() || failed_) return false;
    const auto height = static_cast<std::size_t>(image_.height);
    const std::size_t first = std::min(height - rows_, (2 * taken_ + 1) * height / (2 * kSamples));
    if (!deflater_) deflater_.emplace();
    failed_ = !AddSample(image_, first, rows_, *deflater_, sizes_);
    ++taken_;
    return !failed_;
}

RowChoice RowFilterSamples::Choice() const {
    if (taken_ == 0 || failed_) return kWays[0];
    const std::size_t smallest = *std::min_element(std::begin(sizes_), std::end(sizes_));
    for (int w = 0; w < kWayCount; ++w)
        if (static_cast<double>(sizes_[w]) <= kWithin * static_cast<double>(smallest)) return kWays[w];
    return kWays[0];
}

RowChoice ChooseRowFilters(const RgbRows& image) {
    RowFilterSamples samples(image);
    while (!samples.Complete())
        if (!samples.TakeNext()) break;
    return samples.Choice();
}

}  // namespace platform
