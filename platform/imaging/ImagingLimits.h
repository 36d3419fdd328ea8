#pragma once
#include <cstdint>

namespace platform {

// Largest picture decoded or allocated, in pixels (about 268 megapixels, 1 GiB as RGBA).
// Anything larger fails as an allocation failure instead of exhausting memory.
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 28;

inline bool FitsImageLimit(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxImagePixels && height <= kMaxImagePixels &&
           width * height <= kMaxImagePixels;
}

}  // namespace platform
