#pragma once

namespace platform {

// What a libvips warning says of the photo being decoded.

// False for a warning listed as being about a file's labels rather than its pixels: a private tag,
// an odd count or type, tags out of order, more frames than are offered; common, and harmless.
// True for every other warning: libtiff's "Bogus StripByteCounts field" concerns the pixel data.
bool IsDamageWarning(const char* message);

// True for the tile cache's "error in tile": a tile failed to decode and was made black.
bool IsTileFailure(const char* message);

}  // namespace platform
