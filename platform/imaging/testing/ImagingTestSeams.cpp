#include "platform/imaging/testing/ImagingTestSeams.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<bool> forced{false};
}  // namespace

void ForceAllocationFailures(bool force)
{
    forced = force;
}

bool AllocationFailuresForced()
{
    return forced;
}

}  // namespace platform
