#pragma once
#include <cstdint>
#include <optional>

namespace platform {

// What tells one state of an open file from another: a file written again in place changes its
// change time, whatever it does to its size and modification time.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file open on fd; nothing when it cannot be read.
std::optional<FileStamp> StampOf(int fd);

}  // namespace platform
