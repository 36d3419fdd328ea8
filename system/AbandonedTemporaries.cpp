#include "system/AbandonedTemporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <set>

#include "system/FileDescriptor.h"
#include "system/TemporaryName.h"

namespace platform {

void RemoveAbandonedTemporaries(const QByteArray& folder)
{
    static std::mutex mutex;
    static std::set<QByteArray> cleaned;
    {
        const std::lock_guard lock(mutex);
        if (!cleaned.insert(folder).second)
            return;
    }
    const FileDescriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR* listing = dir ? ::fdopendir(::dup(dir.Get())) : nullptr;
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        if (!IsOurTemporaryName(entry->d_name))
            continue;
        const FileDescriptor file(::openat(dir.Get(), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!file || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        // Held by its writer while in use; free only once that writer is gone.
        if (::flock(file.Get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dir.Get(), entry->d_name, 0);
    }
    ::closedir(listing);
}

}  // namespace platform
