#pragma once
#include <cstdint>
#include <optional>

namespace platform {

// The bytes of address space this process may still map under its limit (ulimit -v); nothing when
// it has none. What a batch may hold is kept within it, so that memory runs out in our counting
// rather than inside a library that cannot survive it.
std::optional<std::int64_t> AddressSpaceLeft();

}  // namespace platform
