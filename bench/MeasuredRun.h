#pragma once
#include <optional>
#include <string>
#include <vector>

// Wall time and peak resident memory of one child process.
struct MeasuredRun {
    double seconds = 0;
    double peakMiB = 0;
    bool ok = false;
};

// Runs argv (found on PATH) with its standard output discarded. The child is started by a
// freshly executed copy of this program: Linux counts the resident size a process had when it
// was forked as part of its peak, so forking the tools straight from the benchmark, which holds
// the pictures, would add the benchmark's own memory to theirs.
MeasuredRun RunMeasured(const std::vector<std::string>& argv);

// The environment variable in which the trampoline gives the child the moment it started, as
// seconds on the steady clock, so that the child can time its own moments from there.
inline constexpr const char* kBenchStartVariable = "PICTORELLE_BENCH_START";

// The trampoline's side: when argv asks for it, runs the child and returns this process's exit
// code; nothing otherwise. Call first in main().
std::optional<int> TrampolineMain(int argc, char** argv);
