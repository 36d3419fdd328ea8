#include "system/FileDescriptor.h"

#include <unistd.h>

namespace platform {

void FileDescriptor::Reset(int fd)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
}

}  // namespace platform
