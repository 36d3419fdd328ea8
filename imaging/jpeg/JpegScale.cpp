#include "imaging/jpeg/JpegScale.h"

#include <cstdint>

namespace platform {

int JpegEighthsFor(int width, int height, int minWidth, int minHeight)
{
    // libjpeg rounds a scaled side up.
    const auto scaled = [](int side, int eighths) { return (std::int64_t{side} * eighths + 7) / 8; };
    for (int eighths = 1; eighths < 8; ++eighths) {
        if (scaled(width, eighths) >= minWidth && scaled(height, eighths) >= minHeight)
            return eighths;
    }
    return 8;
}

}  // namespace platform
