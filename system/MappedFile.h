#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// A regular file's contents mapped read-only, for checks that look at its structure without
// copying it. Empty when the file is empty or cannot be mapped.
//
// Another program may cut the file while it is mapped (a card pulled out does the same): reading
// a page past the new end would end the process with SIGBUS. The mapping is guarded instead: such
// a page reads as zeros, and Changed() says the contents cannot be trusted.
class MappedFile {
public:
    explicit MappedFile(int fd);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const std::uint8_t* Data() const { return data_; }
    std::size_t Size() const { return size_; }
    // Whether a read met a page the file no longer has, so that what was read is not the file.
    bool Changed() const;

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    int slot_ = -1;  // the guard's record of the mapping
};

}  // namespace platform
