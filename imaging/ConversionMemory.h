#pragma once
#include <cstdint>

#include "imaging/checks/PhotoFormat.h"

namespace platform {

// What one conversion holds in memory, in bytes, for a batch's budget (see ImagingLimits.h).
struct ConversionLoad {
    PhotoFormat format = PhotoFormat::Unknown;
    std::int64_t photoWidth = 0;  // the frame as stored; 0 while unknown
    std::int64_t photoHeight = 0;
    std::int64_t outputWidth = 0;
    std::int64_t outputHeight = 0;
    int pipelineThreads = 1;  // libvips' threads for this picture
    int writerThreads = 1;    // its share of the PNG writer's helpers
    std::int64_t jpegCoefficientBytes = 0;  // a multi-scan JPEG's (JpegCoefficientBufferBytes)
    std::int64_t wholeFrameBytes = 0;       // what the decoder holds whole besides (Image::WholeFrameBytes)
};

// Bytes a decoder holds per pixel of the frame: 0 for one that streams rows into the drawing;
// BMP and ICO (Qt's readers, whole at opening), WebP, GIF and HEIF whole as RGBA; a camera RAW
// as LibRaw's sensor data (2), its 16-bit working picture (8) and its 8-bit copy (3).
int DecodedBytesPerPixel(PhotoFormat format);

// Whether the format's frame is decoded whole when the photo is opened (before its size is known
// to the caller).
bool DecodedAtOpening(PhotoFormat format);

// The most one conversion holds: libvips' buffers (by the widest side and its threads), the
// turn's scratch, the PNG writer's strips for its threads, the decoded frame where the decoder
// cannot stream or libjpeg's coefficients of a multi-scan JPEG, the frame a streaming decoder
// holds whole (an interlaced PNG), and the 24-bit output picture.
std::int64_t ConversionBytes(const ConversionLoad& load);

// What to hold before a photo is opened: its size unknown, a format decoded at opening takes the
// largest frame the pixel limit lets through; the others read only a header there, except a
// multi-scan JPEG, which opening decodes with its coefficients (jpegCoefficientBytes).
std::int64_t OpeningBytes(PhotoFormat format, int pipelineThreads, int writerThreads,
                          std::int64_t jpegCoefficientBytes = 0);

// The budget of a batch: the heaviest single conversion the limits accept, so one photo at the
// limit always converts and lighter ones share that memory side by side.
std::int64_t BatchBudgetBytes(int pipelineThreads, int writerShare);

// The most a batch's process holds: the program itself, the budget, and the PNG writer's whole
// allowance of writerThreads (a conversion alone may take more helpers than its share).
std::int64_t BatchPeakBytes(int pipelineThreads, int writerShare, int writerThreads);

}  // namespace platform
