#include "system/FreeNamePublishing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "system/FileDescriptor.h"
#include "system/RetryingIo.h"

namespace platform {

bool LinkIntoFreeName(int fd, const QByteArray& target)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW) == 0;
}

bool MoveIntoFreeName(const QByteArray& temporary, const QByteArray& target)
{
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without RENAME_NOREPLACE: a hard link is refused just as atomically.
    if (::link(temporary.constData(), target.constData()) != 0)
        return false;
    ::unlink(temporary.constData());
    return true;
}

bool LinksRefused(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

bool CopyIntoFreeName(int fd, const QByteArray& target)
{
    struct stat st{};
    if (::fstat(fd, &st) != 0)
        return false;
    FileDescriptor out(::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 07777));
    if (!out)
        return false;
    std::vector<char> buffer(1 << 20);
    bool ok = true;
    for (off_t at = 0; ok && at < st.st_size;) {
        const std::size_t got = ReadUpToAt(fd, buffer.data(), buffer.size(), at);
        ok = got > 0 && WriteAll(out.Get(), buffer.data(), got);
        at += static_cast<off_t>(got);
    }
    ok = ok && ::fsync(out.Get()) == 0;
    ok = ::close(out.Release()) == 0 && ok;
    if (!ok) {
        const int saved = errno;
        ::unlink(target.constData());
        errno = saved;
    }
    return ok;
}

}  // namespace platform
