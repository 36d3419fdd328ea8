#pragma once
// Private to imaging: uses libvips types.
#include <memory>

#include <vips/vips8>

#include "imaging/FailureNote.h"
#include "imaging/png/PngDecoder.h"

namespace platform {

// The pixels of decoder as a libvips image whose rows are decoded in order when they are asked
// for, as libvips' own PNG loader would give them (8 or 16 bits, grey or RGB, with alpha where the
// file has it), carrying the file's colour profile. Damage the decoder meets fails the
// computation, and is noted in note when given. Throws vips::VError when the image cannot be set up.
vips::VImage PngPixels(std::unique_ptr<PngDecoder> decoder, FailureNote* note = nullptr);

// The same pixels decoded at once into an image in memory. Throws vips::VError on damage,
// std::bad_alloc when the memory cannot be had.
vips::VImage PngPixelsInMemory(PngDecoder& decoder);

}  // namespace platform
