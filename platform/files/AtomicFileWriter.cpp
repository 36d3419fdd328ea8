#include "platform/files/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>

#include <QFile>

#include "platform/files/FileDescriptor.h"

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
    if (!S_ISLNK(st.st_mode))
        return std::nullopt;
    char resolved[PATH_MAX];
    if (::realpath(path.constData(), resolved) == nullptr || ::stat(resolved, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    *existing = st;
    return QByteArray(resolved);
}

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// A new, empty file beside target with a name no other file has, created with the permissions
// a new file gets (or the replaced file's own).
FileDescriptor CreateTemporary(const QByteArray& target, const struct stat& existing, QByteArray* name)
{
    const QByteArray folder = FolderOf(target);
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 64; ++attempt) {
        *name = folder + "/." + base + "." + QByteArray::number(random() & 0xFFFFFF, 36) + ".tmp";
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            FileDescriptor file(fd);
            if (existing.st_mode != 0)
                ::fchmod(fd, existing.st_mode & 07777);
            return file;
        }
        if (errno != EEXIST)
            break;
    }
    return FileDescriptor();
}

bool WriteEvery(int fd, const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;  // a full disk, a size limit, an I/O error
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const QString& path, const std::function<bool(const ByteSink&)>& produce)
{
    return WriteFileAtomically(QFile::encodeName(path), produce);
}

bool WriteFileAtomically(const QByteArray& localName, const std::function<bool(const ByteSink&)>& produce)
{
    if (localName.isEmpty() || localName.contains('\0'))
        return false;
    struct stat existing{};
    const auto target = FileToReplace(localName, &existing);
    if (!target)
        return false;
    QByteArray temporary;
    FileDescriptor file = CreateTemporary(*target, existing, &temporary);
    if (!file)
        return false;
    const ByteSink sink = [&file](const std::uint8_t* data, std::size_t size) {
        return WriteEvery(file.Get(), data, size);
    };
    bool ok = false;
    try {
        ok = produce(sink);
    } catch (...) {
        ok = false;
    }
    // Every byte must be on the disk before the new file takes the old one's name: a write or a
    // sync that fails here is a file cut short, never one to publish.
    ok = ok && ::fsync(file.Get()) == 0;
    ok = ::close(file.Release()) == 0 && ok;
    if (ok && ::rename(temporary.constData(), target->constData()) == 0) {
        const FileDescriptor folder(::open(FolderOf(*target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder)
            ::fsync(folder.Get());  // the rename itself survives a power cut
        return true;
    }
    ::unlink(temporary.constData());
    return false;
}

}  // namespace platform
