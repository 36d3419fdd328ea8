#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "imaging/png/PngEffort.h"
#include "system/ByteSink.h"

namespace platform {

class RowHandOver;
struct OutputDetails;

struct RgbRows {                 // 8-bit RGB pixels, 3 bytes a pixel, rows top to bottom
    const std::uint8_t* pixels;
    int width;
    int height;
    std::ptrdiff_t stride;       // bytes from one row to the next (>= 3*width)
    // Where the writer counts the rows it has handed to the sink, when given (for a progress).
    std::atomic<std::int64_t>* rowsWritten = nullptr;
    // Where the rows are still being filled: a row is read only once handed over, and the writing
    // fails when the filling is abandoned. Nothing: every row is in place.
    const RowHandOver* arriving = nullptr;
    // What the file carries of its photo besides the pixels (DetailChunks), when given.
    const OutputDetails* details = nullptr;
    // How hard the writer works at the file's size.
    PngEffort effort = PngEffort::Normal;
};

// Waits until the rows above row are in place; false when they never will be.
bool RowsArrived(const RgbRows& image, std::size_t row);

// Writes an 8-bit RGB PNG (colour type 2, no interlace): IHDR; sRGB (perceptual intent) with the
// gAMA and cHRM values that stand for sRGB, since the pixels are sRGB; a pHYs chunk giving dpi on both
// axes (pixels per metre = round(dpi / 0.0254), unit 1; a dpi that is not finite or not positive is
// written as 96 dpi); then the details' chunks when the image has any (EXIF, XMP, texts; never an ICC profile or a
// time); then IDAT chunks holding one zlib stream, then IEND.
// Returns true only when the whole file went to the sink. On any failure returns false, and no thread is left running.
bool WritePng(const RgbRows& image, double dpi, const ByteSink& sink);

}  // namespace platform
