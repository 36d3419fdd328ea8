#include "system/FileSystem.h"

#include <sys/stat.h>

#include <cerrno>

#include <QFile>

#include "system/LocalFileName.h"
#include "system/OpenRegularFile.h"

namespace platform {
namespace {

bool UsableName(const QByteArray& name)
{
    return !name.isEmpty() && !name.contains('\0');
}

bool StatOf(const QByteArray& name, struct stat& st)
{
    return UsableName(name) && ::stat(name.constData(), &st) == 0;
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
    return AnythingAt(name) && !(StatOf(name, st) && S_ISDIR(st.st_mode));
}

bool IsSpecialFile(const QString& path)
{
    return IsSpecialFile(QFile::encodeName(path));
}

bool IsSpecialFile(const QByteArray& localName)
{
    struct stat st {};
    return StatOf(localName, st) && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

bool AnythingAt(const QByteArray& localName)
{
    struct stat st {};
    return UsableName(localName) && ::lstat(localName.constData(), &st) == 0;
}

bool SameFile(const QByteArray& a, const QByteArray& b)
{
    struct stat sa {};
    struct stat sb {};
    return StatOf(a, sa) && StatOf(b, sb) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace platform

namespace platform {

bool MakeFolders(const QByteArray& localFolder)
{
    if (!UsableName(localFolder)) {
        errno = ENOENT;
        return false;
    }
    struct stat st {};
    for (qsizetype slash = localFolder.indexOf('/', 1); ; slash = localFolder.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? localFolder : localFolder.left(slash);
        // Another run making the same folder at the same time is no failure.
        if (!part.isEmpty() && ::mkdir(part.constData(), 0777) != 0 && errno != EEXIST)
            return false;
        if (slash < 0 || slash + 1 >= localFolder.size())
            break;
    }
    if (::stat(localFolder.constData(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

}  // namespace platform
