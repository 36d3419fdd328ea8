#include "system/RetryingIo.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace platform {
namespace {

// Runs transfer(done) until size bytes are moved, the file ends or an error other than EINTR.
template <typename Transfer>
std::size_t Repeat(std::size_t size, Transfer transfer)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = transfer(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace

std::size_t ReadUpTo(int fd, void* out, std::size_t size)
{
    auto* bytes = static_cast<std::uint8_t*>(out);
    return Repeat(size, [&](std::size_t done) { return ::read(fd, bytes + done, size - done); });
}

std::size_t ReadUpToAt(int fd, void* out, std::size_t size, off_t offset)
{
    auto* bytes = static_cast<std::uint8_t*>(out);
    return Repeat(size, [&](std::size_t done) {
        return ::pread(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
    });
}

bool WriteAll(int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return Repeat(size, [&](std::size_t done) { return ::write(fd, bytes + done, size - done); }) == size;
}

}  // namespace platform
