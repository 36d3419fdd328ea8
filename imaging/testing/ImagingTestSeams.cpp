#include "imaging/testing/ImagingTestSeams.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<bool> forced{false};
std::atomic<bool> held{false};
}  // namespace

void ForceAllocationFailures(bool force)
{
    forced = force;
}

void HoldSavesUntilCancelled(bool hold)
{
    held = hold;
}

bool SavesHeld()
{
    return held;
}

bool AllocationFailuresForced()
{
    return forced;
}

}  // namespace platform
