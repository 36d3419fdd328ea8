#include "imaging/raw/RawDecodePlan.h"

#include <algorithm>
#include <cmath>

#include "imaging/frames/PixelPipeline.h"

namespace platform {

std::int64_t RawDevelopBytes(std::int64_t sensorPixels, int samples, std::int64_t developedPixels)
{
    return sensorPixels * std::max(samples, 1) * 2 + developedPixels * (8 + 3);
}

bool HalfSizeSuffices(int fullWidth, int fullHeight, int width, int height)
{
    return width > 0 && height > 0 && std::int64_t{width} * 2 <= fullWidth && std::int64_t{height} * 2 <= fullHeight;
}

bool ThumbnailServesPreview(int thumbWidth, int thumbHeight, int photoWidth, int photoHeight)
{
    if (thumbWidth <= 0 || thumbHeight <= 0 || photoWidth <= 0 || photoHeight <= 0)
        return false;
    if (std::max(thumbWidth, thumbHeight) < kPreviewSide)
        return false;
    const double thumbShape = double(thumbWidth) / thumbHeight;
    const double photoShape = double(photoWidth) / photoHeight;
    return std::fabs(thumbShape / photoShape - 1.0) <= 0.05;
}

}  // namespace platform
