#pragma once
#include <sys/types.h>

#include <cstdint>
#include <optional>

#include <QByteArray>

#include "system/ByteSink.h"
#include "system/FileDescriptor.h"
#include "system/PublishMode.h"

namespace platform {

// A file written beside the name it is for, and given that name only once every byte of it is on
// the disk; removed if it never gets there, so no half-written file is ever left or published.
// Where the file system allows it the file has no name at all until it is published (O_TMPFILE),
// so even a process killed outright leaves nothing behind; elsewhere it is a hidden named file,
// removed on every path the process itself takes, an interruption included (docs/saving.md).
class StagedFile {
public:
    // An empty file beside target, with the given permissions (0: those a new file gets).
    // Check it with operator bool.
    explicit StagedFile(const QByteArray& target, mode_t mode = 0);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    explicit operator bool() const { return static_cast<bool>(file_); }

    // Runs produce with a sink into the file, then syncs it: true only when produce succeeded
    // and every byte reached the disk (a full disk or a size limit fails it here, errno saying
    // which; errno is 0 when produce gave up of itself). With modified, the file is dated then
    // (seconds since the epoch) rather than now; a file system that cannot keep that date keeps
    // its own, which is no failure of the file.
    bool Fill(const ByteProducer& produce, std::optional<std::int64_t> modified = std::nullopt);

    // Gives the filled file the target's name: replacing what is there, or only where nothing is
    // there at that moment (errno EEXIST when something is). The folder is synced after.
    bool PublishAs(Publish how);

private:
    bool OpenUnnamed();
    bool OpenNamed();
    bool LinksAllowed() const;
    bool NameOnlyNew(const QByteArray& name);
    bool ReplaceWithUnnamed();

    QByteArray target_;
    QByteArray name_;  // the named temporary; empty while the file has no name
    FileDescriptor file_;
    bool filled_ = false;
    bool published_ = false;
};

// The folder part of a path's bytes: "." without a slash, "/" for a file at the root.
QByteArray FolderOf(const QByteArray& path);

// Test hook: what the file system is taken to refuse, so that tests reach each fallback on any
// disk. Unnamed: no O_TMPFILE. UnnamedAndLinks: neither that, nor RENAME_NOREPLACE, nor link().
enum class StagingRefusal { None, Unnamed, UnnamedAndLinks };
void SetStagingRefusalForTests(StagingRefusal refusal);

}  // namespace platform
