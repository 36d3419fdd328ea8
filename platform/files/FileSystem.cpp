#include "platform/files/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

namespace platform {
namespace {

bool StatOf(const QString& path, struct stat& st)
{
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    return !name.contains('\0') && ::stat(name.constData(), &st) == 0;
}

}  // namespace

bool FileExists(const QString& path)
{
    struct stat st {};
    if (!StatOf(path, st) || !S_ISREG(st.st_mode))
        return false;
    // Non-blocking in case the name now names a FIFO.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool IsSpecialFile(const QString& path)
{
    struct stat st {};
    return StatOf(path, st) && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

}  // namespace platform
