#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// A regular file's contents mapped read-only, for checks that look at its structure without
// copying it. Empty when the file is empty or cannot be mapped.
class MappedFile {
public:
    explicit MappedFile(int fd);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const std::uint8_t* Data() const { return data_; }
    std::size_t Size() const { return size_; }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace platform
