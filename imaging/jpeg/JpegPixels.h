#pragma once
// Private to imaging: uses libvips types.
#include <memory>

#include <vips/vips8>

#include "imaging/FailureNote.h"
#include "imaging/jpeg/JpegDecoder.h"

namespace platform {

// The pixels of decoder, started at its scale, as a libvips image whose rows are decoded in order
// when they are asked for, carrying header's colour profile (header: libvips' reading of the same
// file's header). Damage the decoder meets fails the computation, and is noted in note when given.
// Throws vips::VError when the image cannot be set up.
vips::VImage JpegPixels(std::unique_ptr<JpegDecoder> decoder, const vips::VImage& header, FailureNote* note = nullptr);

}  // namespace platform
