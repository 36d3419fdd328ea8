#pragma once
// Private to imaging: uses libvips types.
#include <memory>

#include <vips/vips8>

#include "imaging/png/PngDecoder.h"

namespace platform {

// The pixels of decoder as a libvips image whose rows are decoded in order when they are asked
// for, as libvips' own PNG loader would give them (8 or 16 bits, grey or RGB, with alpha where the
// file has it), carrying the file's colour profile. Damage the decoder meets fails the
// computation. Throws vips::VError when the image cannot be set up.
vips::VImage PngPixels(std::unique_ptr<PngDecoder> decoder);

}  // namespace platform
