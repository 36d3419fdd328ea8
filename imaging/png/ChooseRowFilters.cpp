#include "imaging/png/ChooseRowFilters.h"

#include "imaging/png/ZlibStrips.h"

#include <algorithm>
#include <vector>

namespace platform {
namespace {

constexpr std::size_t kSampleBytes = std::size_t{256} << 10;
constexpr int kSamples = 2;
// Below this many filtered bytes (4 megapixels) the samples would cost too much of the whole write:
// they take about 45 ms on this machine, a third more than writing a 1920 x 1280 picture, which is
// resampled anyway and so never gains from Up rows.
constexpr std::size_t kSmallestChosen = std::size_t{12} << 20;
// Samples of this size came within 1.5 % of the whole picture's ratio on every benchmark kind:
// 0.95-0.98 where Up wins, 1.03-1.27 where it loses.
constexpr double kWithin = 1.015;

// The ways, cheapest first: Up with quick matching costs about 1.2 times adaptive rows with runs,
// with fast matching about twice.
constexpr RowChoice kWays[] = {
    {RowFilters::Adaptive, StripDeflater::Setting::Chosen},
    {RowFilters::Up, StripDeflater::Setting::QuickMatches},
    {RowFilters::Up, StripDeflater::Setting::FastMatches},
};
constexpr int kWayCount = sizeof kWays / sizeof kWays[0];

struct SampleSizes {
    std::size_t way[kWayCount] = {};
};

bool AddSample(const RgbRows& image, std::size_t firstRow, std::size_t rows, StripDeflater& deflater,
               SampleSizes& sizes) {
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(image.width);
    const std::size_t filteredRow = rowBytes + 1;
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
        sizes.way[w] += out.size();
    }
    return true;
}

}  // namespace

RowChoice ChooseRowFilters(const RgbRows& image) {
    if (!image.pixels || image.width <= 0 || image.height <= 0) return kWays[0];
    const auto height = static_cast<std::size_t>(image.height);
    const std::size_t filteredRow = 3 * static_cast<std::size_t>(image.width) + 1;
    if (height * filteredRow < kSmallestChosen) return kWays[0];  // the writer checked the size
    const std::size_t rows = std::min(height, (kSampleBytes + filteredRow - 1) / filteredRow);
    StripDeflater deflater;
    SampleSizes sizes;
    for (int i = 0; i < kSamples; ++i) {
        const std::size_t first = std::min(height - rows, (2 * i + 1) * height / (2 * kSamples));
        if (!AddSample(image, first, rows, deflater, sizes)) return kWays[0];
    }
    const std::size_t smallest = *std::min_element(std::begin(sizes.way), std::end(sizes.way));
    for (int w = 0; w < kWayCount; ++w)
        if (static_cast<double>(sizes.way[w]) <= kWithin * static_cast<double>(smallest)) return kWays[w];
    return kWays[0];
}

}  // namespace platform
