#include "platform/imaging/OpenPhotoFile.h"

#include <cerrno>

#include <fcntl.h>

namespace platform {

FileDescriptor OpenPhotoFile(const QByteArray& localName)
{
    if (localName.isEmpty())
        return {};
    int fd = -1;
    do {
        fd = ::open(localName.constData(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return FileDescriptor(fd);
}

}  // namespace platform
