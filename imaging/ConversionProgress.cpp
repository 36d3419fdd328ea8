#include "imaging/ConversionProgress.h"

#include <algorithm>

namespace platform {
namespace {

// Parts per thousand of half the work.
std::int64_t HalfDone(std::int64_t done, std::int64_t rows)
{
    return rows > 0 ? std::clamp<std::int64_t>(done, 0, rows) * 1000 / rows : 0;
}

}  // namespace

int ProgressPercent(std::int64_t drawn, std::int64_t drawRows, std::int64_t written, std::int64_t writeRows)
{
    // A save under way means the drawing is over, whatever its count says.
    const std::int64_t drawing = writeRows > 0 ? 1000 : HalfDone(drawn, drawRows);
    return static_cast<int>((drawing + HalfDone(written, writeRows)) / 20);
}

int ProgressPercent(const ConversionProgress& progress)
{
    const auto load = [](const std::atomic<std::int64_t>& value) { return value.load(std::memory_order_relaxed); };
    return ProgressPercent(load(progress.drawn), load(progress.drawRows), load(progress.written), load(progress.writeRows));
}

}  // namespace platform
