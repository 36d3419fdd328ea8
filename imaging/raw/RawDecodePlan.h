#pragma once
#include <cstdint>

#include "imaging/ImagingLimits.h"

namespace platform {

// Most memory one RAW development may take: LibRaw's copy of the sensor data, its 4 x 16-bit
// working image and our 8-bit result (see RawDevelopBytes), held to before anything is allocated.
// LibRaw's working image alone is 8 bytes a pixel, so the budget of other decoders (4 bytes a pixel
// at the pixel limit) would refuse 100-megapixel cameras; this allows full development up to about
// 165 megapixels and half-size development up to the pixel limit. At the default limit it is
// LibRaw's own default ceiling, 2 GiB.
inline constexpr std::int64_t kMaxRawDevelopBytes = kMaxImagePixels * 8;

// Largest embedded thumbnail read for the preview.
inline constexpr std::int64_t kMaxRawThumbnailBytes = std::int64_t{64} << 20;

// Bytes a development takes at its peak: sensorPixels x samples 16-bit values read from the file,
// LibRaw's working image of developedPixels x 4 x 16 bits, and our 8-bit RGB copy of it.
std::int64_t RawDevelopBytes(std::int64_t sensorPixels, int samples, std::int64_t developedPixels);

// Whether half-size development (each 2 x 2 block of sensor pixels becomes one, four times less
// work) still gives at least width x height of a photo developed at fullWidth x fullHeight.
bool HalfSizeSuffices(int fullWidth, int fullHeight, int width, int height);

// Whether an embedded thumbnail of thumbWidth x thumbHeight, turned as the photo is, can stand in
// for the preview of a photo of photoWidth x photoHeight: big enough for the preview, and of the
// photo's shape (some cameras store a 3:2 thumbnail with black bars for a 4:3 photo).
bool ThumbnailServesPreview(int thumbWidth, int thumbHeight, int photoWidth, int photoHeight);

}  // namespace platform
