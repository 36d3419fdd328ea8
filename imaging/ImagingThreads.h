#pragma once
#include <optional>
#include <string>

namespace platform {

// Cores a cgroup CPU quota allows: v2's cpu.max text ("200000 100000", "max 100000"), else v1's
// cfs_quota_us and cfs_period_us (-1 for none). Nothing when no quota limits the process.
std::optional<double> QuotaCores(const std::string& cpuMax, long long v1Quota, long long v1Period);

// The cores to plan for: those the affinity mask allows, fewer when a quota allows fewer (a
// quota of 1.5 cores is 2: it lets two threads run most of the time); at least 1.
int CoresFromLimits(int affinityCores, std::optional<double> quotaCores);

// The cores this process may use, read once: sched_getaffinity and the cgroup's CPU quota.
// Not the machine's cores: a container or taskset sees only its share.
int UsableCores();

// Helper threads of the PNG writer, shared by every picture being written in the process: at most
// UsableCores() at once, so that conversions side by side never multiply them. Takes up to wanted
// without waiting (0 when all are in use: the writer then encodes on its own thread).
unsigned TakeWriterThreads(unsigned wanted);
void GiveBackWriterThreads(unsigned taken);

// How many threads libvips may run for each picture it computes, for the whole process.
void SetPipelineThreads(int threads);
int PipelineThreads();

}  // namespace platform
