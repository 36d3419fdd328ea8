#pragma once
#include <sys/types.h>

#include <QByteArray>

#include "system/ByteSink.h"
#include "system/FileDescriptor.h"
#include "system/PublishMode.h"

namespace platform {

// A file written beside the name it is for, and given that name only once every byte of it is on
// the disk; removed if it never gets there, so no half-written file is ever left or published.
class StagedFile {
public:
    // An empty file beside target under a name no other file has, with the given permissions
    // (0: those a new file gets). Check it with operator bool.
    explicit StagedFile(const QByteArray& target, mode_t mode = 0);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    explicit operator bool() const { return static_cast<bool>(file_); }

    // Runs produce with a sink into the file, then syncs and closes it: true only when produce
    // succeeded and every byte reached the disk (a full disk or a size limit fails it here).
    bool Fill(const ByteProducer& produce);

    // Gives the filled file the target's name: replacing what is there, or only where nothing is
    // there at that moment (errno EEXIST when something is). The folder is synced after.
    bool PublishAs(Publish how);

private:
    QByteArray target_;
    QByteArray name_;
    FileDescriptor file_;
    bool published_ = false;
};

// The folder part of a path's bytes: "." without a slash, "/" for a file at the root.
QByteArray FolderOf(const QByteArray& path);

}  // namespace platform
