#include "batch/PhotoFileProblem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QCoreApplication>

#include "system/FileDescriptor.h"
#include "system/LocalFileName.h"
#include "imaging/checks/PhotoFormat.h"

namespace {

QString SystemWords(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

std::optional<QString> FileProblem(const QString& path)
{
    const QByteArray name = platform::LocalFileName(path);
    struct stat st{};
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0)
        return SystemWords(name.isEmpty() ? ENOENT : errno);
    if (S_ISDIR(st.st_mode))
        return SystemWords(EISDIR);
    if (!S_ISREG(st.st_mode))
        return QCoreApplication::translate("CommandLine", "not a regular file");
    if (::access(name.constData(), R_OK) != 0)
        return SystemWords(errno);
    return std::nullopt;
}

platform::PhotoFormat PhotoFormatOf(const QString& path)
{
    const platform::FileDescriptor file(::open(platform::LocalFileName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    std::uint8_t head[platform::kSniffBytes];
    const ssize_t n = file ? ::read(file.Get(), head, sizeof head) : -1;
    return n < 0 ? platform::PhotoFormat::Unknown : platform::SniffPhotoFormat(head, static_cast<std::size_t>(n));
}
