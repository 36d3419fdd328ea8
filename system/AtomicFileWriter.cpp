#include "system/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <QFile>

#include "system/StagedFile.h"

namespace platform {
namespace {

// The file a write replaces: path itself, or the regular file a link at path leads to, so that
// a link kept in a dotfiles folder stays a link. Nothing when path or what it leads to is not a
// regular file (a folder, a FIFO, a device, a dangling link): nothing is ever written through one.
std::optional<QByteArray> FileToReplace(const QByteArray& path, struct stat* existing)
{
    struct stat st{};
    if (::lstat(path.constData(), &st) != 0) {
        if (errno != ENOENT)
            return std::nullopt;
        existing->st_mode = 0;
        return path;
    }
    if (S_ISREG(st.st_mode)) {
        *existing = st;
        return path;
    }
    if (!S_ISLNK(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return std::nullopt;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.constData(), resolved) == nullptr || ::stat(resolved, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    *existing = st;
    return QByteArray(resolved);
}

}  // namespace

bool WriteFileAtomically(const QString& path, const ByteProducer& produce)
{
    return WriteFileAtomically(QFile::encodeName(path), produce);
}

bool WriteFileAtomically(const QByteArray& localName, const ByteProducer& produce, std::optional<std::int64_t> modified)
{
    if (localName.isEmpty() || localName.contains('\0'))
        return false;
    struct stat existing{};
    const auto target = FileToReplace(localName, &existing);
    if (!target)
        return false;
    // The replaced file's own permissions carry over.
    StagedFile staged(*target, existing.st_mode);
    return staged && staged.Fill(produce, modified) && staged.PublishAs(Publish::Replace);
}

}  // namespace platform
