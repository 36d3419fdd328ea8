#include "system/ReopenFile.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>

#include "system/OpenRegularFile.h"

namespace platform {
namespace {

bool SameFile(int a, int b)
{
    struct stat sa {}, sb {};
    return ::fstat(a, &sa) == 0 && ::fstat(b, &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

FileDescriptor ReopenFile(int opened, const QByteArray& localName)
{
    if (opened < 0)
        return {};
    // /proc reaches the open file itself, not whatever its name now stands for.
    const std::string self = "/proc/self/fd/" + std::to_string(opened);
    int fd = -1;
    do {
        fd = ::open(self.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    FileDescriptor again(fd);
    if (!again)
        again = OpenRegularFile(localName);
    if (!again || !SameFile(opened, again.Get()))
        return {};
    return again;
}

}  // namespace platform
