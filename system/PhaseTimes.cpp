#include "system/PhaseTimes.h"

#include <atomic>
#include <chrono>

namespace platform {
namespace {

std::atomic<bool> recording{false};
std::array<std::atomic<double>, kPhaseCount> marks;

}  // namespace

void RecordPhases(bool on)
{
    for (auto& m : marks)
        m = -1.0;
    recording = on;
}

void MarkPhase(Phase phase)
{
    if (!recording.load(std::memory_order_relaxed))
        return;
    marks[static_cast<std::size_t>(phase)] =
        std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::array<double, kPhaseCount> RecordedPhases()
{
    std::array<double, kPhaseCount> times{};
    for (std::size_t i = 0; i < kPhaseCount; ++i)
        times[i] = marks[i];
    return times;
}

}  // namespace platform
