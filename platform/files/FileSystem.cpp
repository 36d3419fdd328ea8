#include "platform/files/FileSystem.h"

#include <sys/stat.h>

#include <QFile>

#include "platform/files/LocalFileName.h"
#include "platform/files/OpenRegularFile.h"

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
    return static_cast<bool>(OpenRegularFile(LocalFileName(path)));
}

bool AnythingToReplace(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (name.isEmpty() || name.contains('\0') || ::lstat(name.constData(), &st) != 0)
        return false;
    return !(StatOf(path, st) && S_ISDIR(st.st_mode));
}

bool IsSpecialFile(const QString& path)
{
    struct stat st {};
    return StatOf(path, st) && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

}  // namespace platform
