#pragma once

namespace platform {

// What a libvips warning says of the photo being decoded.

// False for a warning about a file's labels rather than its pixels: its tags or directory (a
// private tag, an odd count) or how many frames it offers; common, and harmless. True otherwise.
bool IsDamageWarning(const char* message);

// True for the tile cache's "error in tile": a tile failed to decode and was made black.
bool IsTileFailure(const char* message);

}  // namespace platform
