#include "imaging/testing/ImagingTestSeams.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "imaging/png/PngWriter.h"

namespace platform {
namespace {
std::atomic<bool> forced{false};

std::atomic<int> heldNow{0};

// Probes the sink with empty writes, which it refuses once the save is cancelled.
bool WriteOnlyOnceCancelled(const RgbRows& image, double dpi, const ByteSink& sink)
{
    struct Held {
        Held() { ++heldNow; }
        ~Held() { --heldNow; }
    } held;
    for (int i = 0; i < 3000; ++i) {
        if (!sink(nullptr, 0))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WritePng(image, dpi, sink);
}
}  // namespace

void ForceAllocationFailures(bool force)
{
    forced = force;
}

int SavesHeldNow()
{
    return heldNow;
}

void HoldSavesUntilCancelled(bool hold)
{
    ReplacePngWriter(hold ? &WriteOnlyOnceCancelled : nullptr);
}

bool AllocationFailuresForced()
{
    return forced;
}

}  // namespace platform
