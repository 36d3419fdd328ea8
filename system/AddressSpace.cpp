#include "system/AddressSpace.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace platform {

std::optional<std::int64_t> AddressSpaceLeft()
{
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    // The first figure of statm is the address space mapped now, in pages.
    long long pages = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "re")) {
        if (std::fscanf(statm, "%lld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    const std::int64_t used = pages * ::sysconf(_SC_PAGESIZE);
    return std::max<std::int64_t>(0, std::int64_t(limit.rlim_cur) - used);
}

}  // namespace platform
