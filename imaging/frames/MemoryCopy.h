#pragma once
// Private to imaging: uses libvips types.
#include <vips/vips8>

namespace platform {

// pixels computed and copied into memory: the one place an opened frame is made whole.
// Throws std::bad_alloc while allocation failures are forced, vips::VError when libvips fails.
vips::VImage CopyToMemory(const vips::VImage& pixels);

}  // namespace platform
