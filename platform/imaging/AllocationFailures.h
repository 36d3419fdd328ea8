#pragma once

namespace platform {

// Test seam: while forced, copying decoded pixels into memory fails as if memory had run out,
// so tests can show that such a failure reaches the user as a photo that cannot be opened.
void ForceAllocationFailures(bool force);
bool AllocationFailuresForced();

}  // namespace platform
