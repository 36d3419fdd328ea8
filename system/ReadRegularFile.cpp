#include "system/ReadRegularFile.h"

#include <sys/stat.h>
#include <QFile>

#include "system/OpenRegularFile.h"
#include "system/RetryingIo.h"

namespace platform {

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes)
{
    const FileDescriptor file = OpenRegularFile(QFile::encodeName(path));
    struct stat st{};
    if (!file || ::fstat(file.Get(), &st) != 0 || st.st_size > maxBytes)
        return std::nullopt;
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(st.st_size));
    bytes.truncate(static_cast<qsizetype>(ReadUpTo(file.Get(), bytes.data(), static_cast<std::size_t>(bytes.size()))));
    return bytes;
}

bool RegularFileLargerThan(const QString& path, qint64 maxBytes)
{
    struct stat st{};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > maxBytes;
}

}  // namespace platform
