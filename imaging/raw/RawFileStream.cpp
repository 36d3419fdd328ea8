#include "imaging/raw/RawFileStream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "system/RetryingIo.h"

namespace platform {
namespace {
constexpr std::size_t kCacheBytes = std::size_t{1} << 20;
}  // namespace

RawFileStream::RawFileStream(int fd) : fd_(fd)
{
    struct stat st {};
    if (fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode))
        size_ = st.st_size;
}

bool RawFileStream::FillCache(INT64 at)
{
    cache_.resize(kCacheBytes);
    cacheStart_ = at;
    cacheLength_ = ReadUpToAt(fd_, cache_.data(), cache_.size(), static_cast<off_t>(at));
    return cacheLength_ > 0;
}

std::size_t RawFileStream::ReadBytes(std::uint8_t* out, std::size_t n)
{
    std::size_t done = 0;
    while (done < n && position_ < size_) {
        const bool cached = position_ >= cacheStart_ && position_ < cacheStart_ + static_cast<INT64>(cacheLength_);
        if (!cached && !FillCache(position_))
            break;
        const std::size_t offset = static_cast<std::size_t>(position_ - cacheStart_);
        const std::size_t take = std::min(n - done, cacheLength_ - offset);
        std::memcpy(out + done, cache_.data() + offset, take);
        done += take;
        position_ += static_cast<INT64>(take);
    }
    return done;
}

int RawFileStream::read(void* out, size_t size, size_t count)
{
    if (size == 0 || count == 0 || !out)
        return 0;
    count = std::min(count, static_cast<size_t>(INT_MAX) / size);  // the count read must fit the result
    const std::size_t got = ReadBytes(static_cast<std::uint8_t*>(out), size * count);
    return static_cast<int>(got / size);
}

int RawFileStream::seek(INT64 offset, int whence)
{
    INT64 base = 0;
    switch (whence) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = position_; break;
    case SEEK_END: base = size_; break;
    default: return -1;
    }
    // Kept within the file, as LibRaw's own streams do: offsets read from a damaged file may be anything.
    if (offset > 0 && base > size_ - offset)
        position_ = size_;
    else
        position_ = std::clamp<INT64>(base + offset, 0, size_);
    return 0;
}

int RawFileStream::get_char()
{
    std::uint8_t c = 0;
    return ReadBytes(&c, 1) == 1 ? c : -1;
}

char* RawFileStream::gets(char* out, int capacity)
{
    if (!out || capacity <= 0 || eof())
        return nullptr;
    int n = 0;
    while (n < capacity - 1) {
        const int c = get_char();
        if (c < 0)
            break;
        out[n++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    out[n] = '\0';
    return out;
}

int RawFileStream::scanf_one(const char* format, void* value)
{
    // One number ("%d", "%f") from the next few bytes, which are cut off and terminated first.
    char text[32] = {};
    const INT64 start = position_;
    const std::size_t got = ReadBytes(reinterpret_cast<std::uint8_t*>(text), sizeof text - 1);
    text[got] = '\0';
    const int result = std::sscanf(text, format, value);
    std::size_t used = 0;
    while (used < got && std::strchr(" \t\n\r", text[used]))
        ++used;
    while (used < got && !std::strchr(" \t\n\r", text[used]) && text[used] != '\0')
        ++used;
    position_ = start + static_cast<INT64>(used);
    return result;
}

}  // namespace platform
