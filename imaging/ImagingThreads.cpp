#include "imaging/ImagingThreads.h"

#include <sched.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <mutex>
#include <sstream>

#include <vips/vips.h>

namespace platform {
namespace {

std::string FileText(const char* path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long long FileNumber(const char* path)
{
    long long n = -1;
    std::ifstream(path) >> n;
    return n;
}

std::mutex g_writerMutex;
unsigned g_writerThreadsInUse = 0;

}  // namespace

std::optional<double> QuotaCores(const std::string& cpuMax, long long v1Quota, long long v1Period)
{
    std::istringstream v2(cpuMax);
    std::string quota;
    long long period = 0;
    if (v2 >> quota >> period) {
        if (quota == "max" || period <= 0)
            return std::nullopt;
        try {
            return std::stod(quota) / static_cast<double>(period);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    if (v1Quota > 0 && v1Period > 0)
        return static_cast<double>(v1Quota) / static_cast<double>(v1Period);
    return std::nullopt;
}

int CoresFromLimits(int affinityCores, std::optional<double> quotaCores)
{
    int cores = std::max(affinityCores, 1);
    if (quotaCores && *quotaCores > 0)
        cores = std::min(cores, std::max(1, static_cast<int>(std::ceil(*quotaCores))));
    return cores;
}

int UsableCores()
{
    static const int cores = [] {
        cpu_set_t set;
        CPU_ZERO(&set);
        const int affinity = sched_getaffinity(0, sizeof set, &set) == 0 ? CPU_COUNT(&set) : 1;
        return CoresFromLimits(affinity, QuotaCores(FileText("/sys/fs/cgroup/cpu.max"),
                                                    FileNumber("/sys/fs/cgroup/cpu/cpu.cfs_quota_us"),
                                                    FileNumber("/sys/fs/cgroup/cpu/cpu.cfs_period_us")));
    }();
    return cores;
}

unsigned TakeWriterThreads(unsigned wanted)
{
    const std::lock_guard lock(g_writerMutex);
    const unsigned limit = static_cast<unsigned>(UsableCores());
    const unsigned taken = std::min(wanted, limit - std::min(limit, g_writerThreadsInUse));
    g_writerThreadsInUse += taken;
    return taken;
}

void GiveBackWriterThreads(unsigned taken)
{
    const std::lock_guard lock(g_writerMutex);
    g_writerThreadsInUse -= std::min(taken, g_writerThreadsInUse);
}

void SetPipelineThreads(int threads)
{
    vips_concurrency_set(std::max(threads, 1));
}

int PipelineThreads()
{
    return vips_concurrency_get();
}

}  // namespace platform
