#include "platform/files/NewFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include <QFile>

#include "platform/files/FileDescriptor.h"

namespace platform {
namespace {

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

FileDescriptor CreateTemporary(const QByteArray& target, QByteArray* name)
{
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 64; ++attempt) {
        *name = FolderOf(target) + "/." + base + "." + QByteArray::number(random() & 0xFFFFFF, 36) + ".tmp";
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return FileDescriptor(fd);
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
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Gives temporary the name target only where nothing is at target; errno EEXIST otherwise.
bool MoveIntoFreeName(const QByteArray& temporary, const QByteArray& target)
{
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without RENAME_NOREPLACE: a hard link is refused just as atomically.
    if (::link(temporary.constData(), target.constData()) != 0)
        return false;
    ::unlink(temporary.constData());
    return true;
}

}  // namespace

NewFile WriteNewFile(const QString& path, const NewFileProducer& produce)
{
    return WriteNewFile(QFile::encodeName(path), produce);
}

NewFile WriteNewFile(const QByteArray& target, const NewFileProducer& produce)
{
    if (target.isEmpty() || target.contains('\0') || target.endsWith('/'))
        return NewFile::Failed;
    QByteArray temporary;
    FileDescriptor file = CreateTemporary(target, &temporary);
    if (!file)
        return NewFile::Failed;
    bool ok = false;
    try {
        ok = produce([&file](const std::uint8_t* data, std::size_t size) { return WriteEvery(file.Get(), data, size); });
    } catch (...) {
        ok = false;
    }
    ok = ok && ::fsync(file.Get()) == 0;
    ok = ::close(file.Release()) == 0 && ok;
    if (ok && MoveIntoFreeName(temporary, target)) {
        const FileDescriptor folder(::open(FolderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder)
            ::fsync(folder.Get());
        return NewFile::Written;
    }
    const bool exists = ok && errno == EEXIST;
    ::unlink(temporary.constData());
    return exists ? NewFile::Exists : NewFile::Failed;
}

}  // namespace platform
