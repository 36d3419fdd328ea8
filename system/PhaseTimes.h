#pragma once
#include <array>
#include <cstddef>

namespace platform {

// Moments of a conversion that the benchmark reports, to show where its time goes and how the
// decoding and the writing overlap (bench/README.md). Nothing is recorded unless the benchmark
// turns it on; then each mark keeps the time it was last reached.
enum class Phase {
    DrawStarted,    // the frame's decode and drawing into the output picture
    DrawEnded,
    WriteStarted,   // the output file's bytes
    WriteEnded,
    SyncEnded,      // those bytes on the disk
    Published,      // the file under its name, and that name on the disk
};
inline constexpr std::size_t kPhaseCount = 6;

void RecordPhases(bool on);
void MarkPhase(Phase phase);
// Seconds on the steady clock (CLOCK_MONOTONIC, the same in every process) at each mark, in the
// order of Phase; negative for a mark not reached.
std::array<double, kPhaseCount> RecordedPhases();

}  // namespace platform
