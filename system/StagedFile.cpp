#include "system/StagedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "system/RetryingIo.h"

namespace platform {
namespace {

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

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

StagedFile::StagedFile(const QByteArray& target, mode_t mode) : target_(target)
{
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 64; ++attempt) {
        name_ = FolderOf(target) + "/." + base + "." + QByteArray::number(random() & 0xFFFFFF, 36) + ".tmp";
        const int fd = ::open(name_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            file_ = FileDescriptor(fd);
            if (mode != 0)
                ::fchmod(fd, mode & 07777);
            return;
        }
        if (errno != EEXIST)
            break;
    }
    name_.clear();
}

StagedFile::~StagedFile()
{
    if (!name_.isEmpty() && !published_) {
        const int saved = errno;  // callers read why publishing failed after this
        ::unlink(name_.constData());
        errno = saved;
    }
}

bool StagedFile::Fill(const ByteProducer& produce)
{
    if (!file_)
        return false;
    bool ok = false;
    try {
        ok = produce([this](const std::uint8_t* data, std::size_t size) { return WriteAll(file_.Get(), data, size); });
    } catch (...) {
        ok = false;
    }
    // Every byte must be on the disk before the file takes its name: a write or a sync that
    // fails here is a file cut short, never one to publish.
    ok = ok && ::fsync(file_.Get()) == 0;
    ok = ::close(file_.Release()) == 0 && ok;
    return ok;
}

bool StagedFile::PublishAs(Publish how)
{
    if (name_.isEmpty() || file_)  // not made, or not filled
        return false;
    const bool moved = how == Publish::Replace ? ::rename(name_.constData(), target_.constData()) == 0
                                               : MoveIntoFreeName(name_, target_);
    if (!moved)
        return false;
    published_ = true;
    const FileDescriptor folder(::open(FolderOf(target_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder)
        ::fsync(folder.Get());  // the new name itself survives a power cut
    return true;
}

}  // namespace platform
