#include "system/OpenRegularFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

FileDescriptor OpenRegularFile(const QByteArray& localName)
{
    if (localName.isEmpty() || localName.contains('\0'))
        return {};
    struct stat named {};
    if (::stat(localName.constData(), &named) != 0 || !S_ISREG(named.st_mode))
        return {};
    // Non-blocking in case the name was swapped for a FIFO since the look; checked again below.
    int fd = -1;
    do {
        fd = ::open(localName.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    FileDescriptor file(fd);
    struct stat opened {};
    if (!file || ::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != named.st_dev ||
        opened.st_ino != named.st_ino)
        return {};
    return file;
}

}  // namespace platform
