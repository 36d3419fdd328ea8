#include "system/StagedFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <random>

#include "system/FreeNamePublishing.h"
#include "system/PhaseTimes.h"
#include "system/RetryingIo.h"
#include "system/AbandonedTemporaries.h"
#include "system/TemporaryName.h"

namespace platform {
namespace {

std::atomic<StagingRefusal> refusal{StagingRefusal::None};

QByteArray RandomTag()
{
    static thread_local std::mt19937 random(std::random_device{}());
    return QByteArray::number(random() & 0xFFFFFF, 36);
}

// Keeps errno as it was across cleaning up, for callers that read why publishing failed.
class ErrnoKept {
public:
    ~ErrnoKept() { errno = saved_; }

private:
    int saved_ = errno;
};

}  // namespace

void SetStagingRefusalForTests(StagingRefusal r)
{
    refusal = r;
}

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

StagedFile::StagedFile(const QByteArray& target, mode_t mode) : target_(target)
{
    if (!OpenUnnamed())
        OpenNamed();
    if (file_ && mode != 0)
        ::fchmod(file_.Get(), mode & 07777);
}

bool StagedFile::OpenUnnamed()
{
    // Linking it into the folder later goes through /proc, without which the file could never
    // be named.
    if (refusal != StagingRefusal::None || ::access("/proc/self/fd", X_OK) != 0)
        return false;
    // Readable, for the copy where the file system takes no links.
    file_ = FileDescriptor(::open(FolderOf(target_).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
    return static_cast<bool>(file_);
}

bool StagedFile::OpenNamed()
{
    // What a killed run left here goes first: a named temporary is the one thing a kill leaves.
    RemoveAbandonedTemporaries(FolderOf(target_));
    for (int attempt = 0; attempt < 64; ++attempt) {
        name_ = TemporaryNameBeside(target_, OurTemporaryTag(RandomTag()));
        file_ = FileDescriptor(::open(name_.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        // Locked from now until it is published or removed: a later run leaves it alone meanwhile.
        if (file_ && ::flock(file_.Get(), LOCK_EX | LOCK_NB) == 0)
            return true;
        if (file_) {
            ::unlink(name_.constData());
            file_.Reset();
            errno = EEXIST;  // taken by a cleaner in between: another name
        }
        if (errno != EEXIST)
            break;
    }
    name_.clear();
    return false;
}

StagedFile::~StagedFile()
{
    const ErrnoKept kept;
    if (!name_.isEmpty() && !published_)
        ::unlink(name_.constData());
}

bool StagedFile::Fill(const ByteProducer& produce, std::optional<std::int64_t> modified)
{
    if (!file_ || filled_)
        return false;
    bool ok = false;
    int error = 0;  // what refused the bytes, if the disk did
    MarkPhase(Phase::WriteStarted);
    try {
        ok = produce([this, &error](const std::uint8_t* data, std::size_t size) {
            const bool written = WriteAll(file_.Get(), data, size);
            if (!written)
                error = errno;
            return written;
        });
    } catch (...) {
        ok = false;
    }
    // Every byte must be on the disk before the file takes its name: a write or a sync that
    // fails here is a file cut short, never one to publish.
    MarkPhase(Phase::WriteEnded);
    if (ok && modified) {
        const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(*modified), 0}};
        ::futimens(file_.Get(), times);
    }
    filled_ = ok && ::fsync(file_.Get()) == 0;
    if (ok && !filled_)
        error = errno;
    MarkPhase(Phase::SyncEnded);
    if (!filled_) {
        file_.Reset();
        errno = error;
    }
    return filled_;
}

bool StagedFile::LinksAllowed() const
{
    return refusal != StagingRefusal::UnnamedAndLinks;
}

// Where links are refused, the file is copied into an exclusively created name instead.
bool StagedFile::NameOnlyNew(const QByteArray& name)
{
    if (LinksAllowed()) {
        if (name_.isEmpty() ? LinkIntoFreeName(file_.Get(), name) : MoveIntoFreeName(name_, name))
            return true;
        if (!LinksRefused(errno))
            return false;
    }
    if (!CopyIntoFreeName(file_.Get(), name))
        return false;
    if (!name_.isEmpty())
        ::unlink(name_.constData());
    return true;
}

// The unnamed file linked under a private name first, then renamed over the target: the target
// is never missing and never partial. Only a kill between the two steps leaves the private name.
bool StagedFile::ReplaceWithUnnamed()
{
    for (int attempt = 0; attempt < 64; ++attempt) {
        const QByteArray privateName = TemporaryNameBeside(target_, OurTemporaryTag(RandomTag()));
        ::flock(file_.Get(), LOCK_EX | LOCK_NB);  // the link is this file: held as any of ours
        if (!NameOnlyNew(privateName)) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        if (::rename(privateName.constData(), target_.constData()) == 0)
            return true;
        const ErrnoKept kept;
        ::unlink(privateName.constData());
        return false;
    }
    return false;
}

bool StagedFile::PublishAs(Publish how)
{
    if (!filled_ || published_)
        return false;
    bool named = false;
    if (how == Publish::OnlyNew)
        named = NameOnlyNew(target_);
    else if (name_.isEmpty())
        named = ReplaceWithUnnamed();
    else
        named = ::rename(name_.constData(), target_.constData()) == 0;
    if (!named)
        return false;
    published_ = true;
    file_.Reset();
    const FileDescriptor folder(::open(FolderOf(target_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder)
        ::fsync(folder.Get());  // the new name itself survives a power cut
    MarkPhase(Phase::Published);
    return true;
}

}  // namespace platform
