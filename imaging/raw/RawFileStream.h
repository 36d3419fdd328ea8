#pragma once
// Private to imaging: uses LibRaw types.
#include <sys/types.h>

#include <cstdint>
#include <mutex>
#include <vector>

#include <libraw/libraw_datastream.h>

namespace platform {

// LibRaw's input: a regular file we opened, read with pread through a block cache. LibRaw reads
// compressed data a byte at a time, so each call must not become a system call; the file is never
// read whole into memory and a file cut short while it is read ends early instead of faulting (as a
// mapping would). The descriptor stays the caller's.
class RawFileStream final : public LibRaw_abstract_datastream {
public:
    explicit RawFileStream(int fd);

    int valid() override { return fd_ >= 0 && size_ >= 0; }
    int read(void* out, size_t size, size_t count) override;
    int seek(INT64 offset, int whence) override;
    INT64 tell() override { return position_; }
    INT64 size() override { return size_; }
    int get_char() override;
    char* gets(char* out, int capacity) override;
    int scanf_one(const char* format, void* value) override;
    int eof() override { return position_ >= size_; }
    void* make_jas_stream() override { return nullptr; }  // JPEG 2000 RAWs are not read
    // LibRaw's parallel decoders (Fuji, CR3) take the lock around each seek and read.
    int lock() override
    {
        mutex_.lock();
        return 1;
    }
    void unlock() override { mutex_.unlock(); }

private:
    // Bytes at the current position into out, at most n; how many were read.
    std::size_t ReadBytes(std::uint8_t* out, std::size_t n);
    bool FillCache(INT64 at);

    int fd_;
    INT64 size_ = -1;
    INT64 position_ = 0;
    std::vector<std::uint8_t> cache_;
    INT64 cacheStart_ = 0;
    std::size_t cacheLength_ = 0;
    std::mutex mutex_;
};

}  // namespace platform
