#include "system/MappedFile.h"

#include <sys/mman.h>
#include <sys/stat.h>

namespace platform {

MappedFile::MappedFile(int fd)
{
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0)
        return;
    void* p = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (p == MAP_FAILED)
        return;
    data_ = static_cast<const std::uint8_t*>(p);
    size_ = static_cast<std::size_t>(st.st_size);
}

MappedFile::~MappedFile()
{
    if (data_)
        ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

}  // namespace platform
