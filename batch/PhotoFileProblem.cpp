#include "batch/PhotoFileProblem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <variant>

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

namespace {

// The format the first bytes of path announce, or the system's words for why they cannot be read.
std::variant<platform::PhotoFormat, QString> FormatOf(const QString& path)
{
    const platform::FileDescriptor file(::open(platform::LocalFileName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file)
        return SystemWords(errno);
    std::uint8_t head[platform::kSniffBytes];
    const ssize_t n = ::read(file.Get(), head, sizeof head);
    if (n < 0)
        return SystemWords(errno);
    return platform::SniffPhotoFormat(head, static_cast<std::size_t>(n));
}

}  // namespace

std::optional<QString> NotAPhotoProblem(const QString& path)
{
    const auto format = FormatOf(path);
    if (const QString* problem = std::get_if<QString>(&format))
        return *problem;
    if (std::get<platform::PhotoFormat>(format) == platform::PhotoFormat::Unknown)
        return QCoreApplication::translate("CommandLine", "not a photo: no format Pictorelle reads");
    return std::nullopt;
}

QString LoaderOf(const QString& path)
{
    const char* loader = platform::VipsLoaderFor(PhotoFormatOf(path));
    return loader ? QString::fromLatin1(loader) : QString();
}

platform::PhotoFormat PhotoFormatOf(const QString& path)
{
    const auto format = FormatOf(path);
    const platform::PhotoFormat* known = std::get_if<platform::PhotoFormat>(&format);
    return known ? *known : platform::PhotoFormat::Unknown;
}
