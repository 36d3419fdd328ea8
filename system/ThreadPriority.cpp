#include "system/ThreadPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

void LowerThisThreadsPriority()
{
    // On Linux a nice value belongs to the thread named by its id, not to the whole process.
    const auto thread = static_cast<id_t>(::syscall(SYS_gettid));
    ::setpriority(PRIO_PROCESS, thread, 10);
}

}  // namespace platform
