#include "batch/OutputFolderProblem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QCoreApplication>

#include "system/FileSystem.h"
#include "system/LocalFileName.h"

std::optional<QString> OutputFolderProblem(const QString& folder)
{
    const QByteArray name = platform::LocalFileName(folder);
    struct stat st{};
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0) {
        const int error = name.isEmpty() ? ENOENT : errno;
        if (error == ENOENT)
            return QCoreApplication::translate("CommandLine", "no such folder");
        if (error == ENOTDIR)
            return QCoreApplication::translate("CommandLine", "not a folder");
        return QString::fromLocal8Bit(std::strerror(error));
    }
    if (!S_ISDIR(st.st_mode))
        return QCoreApplication::translate("CommandLine", "not a folder");
    if (::access(name.constData(), W_OK | X_OK) != 0)
        return QCoreApplication::translate("CommandLine", "the folder cannot be written to: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return std::nullopt;
}

PreparedOutputFolder PrepareOutputFolder(const QString& folder)
{
    const QByteArray name = platform::LocalFileName(folder);
    struct stat st{};
    const int missing = name.isEmpty() || ::lstat(name.constData(), &st) == 0 ? 0 : errno;
    if (missing != ENOENT && missing != ENOTDIR)
        return {OutputFolderProblem(folder), false};
    if (missing == ENOTDIR || !platform::MakeFolders(name)) {
        const int error = missing == ENOTDIR ? missing : errno;
        const QString why = error == ENOTDIR || error == EEXIST
                                ? QCoreApplication::translate("CommandLine", "a file is in the way")
                                : QString::fromLocal8Bit(std::strerror(error));
        return {QCoreApplication::translate("CommandLine", "the folder cannot be made: %1").arg(why), false};
    }
    return {OutputFolderProblem(folder), true};
}
