#pragma once
#include <sys/types.h>

#include <cstddef>

namespace platform {

// Reading and writing a descriptor whole: a signal that interrupts a call (EINTR) restarts it,
// and a short transfer goes on from where it stopped. Every loop over read(2), pread(2) and
// write(2) in the program is one of these.

// Reads up to size bytes from the descriptor's position; fewer only at the end of the file or on
// an error. Returns how many were read.
std::size_t ReadUpTo(int fd, void* out, std::size_t size);

// The same at a byte offset, leaving the descriptor's position where it was.
std::size_t ReadUpToAt(int fd, void* out, std::size_t size, off_t offset);

// Writes every byte; false on a full disk, a size limit or an I/O error (errno tells which).
bool WriteAll(int fd, const void* data, std::size_t size);

}  // namespace platform
