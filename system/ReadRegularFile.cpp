#include "system/ReadRegularFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "system/OpenRegularFile.h"

namespace platform {

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes)
{
    const FileDescriptor file = OpenRegularFile(QFile::encodeName(path));
    struct stat st{};
    if (!file || ::fstat(file.Get(), &st) != 0 || st.st_size > maxBytes)
        return std::nullopt;
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(st.st_size));
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.Get(), bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

}  // namespace platform
