#include "platform/files/ReadRegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

namespace platform {

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes)
{
    const QByteArray local = QFile::encodeName(path);
    struct stat before{};
    if (local.isEmpty() || ::stat(local.constData(), &before) != 0 || !S_ISREG(before.st_mode))
        return std::nullopt;
    // Non-blocking, in case the name was swapped for a FIFO after the check.
    const int fd = ::open(local.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(st.st_size));
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    ::close(fd);
    bytes.truncate(got);
    return bytes;
}

}  // namespace platform
