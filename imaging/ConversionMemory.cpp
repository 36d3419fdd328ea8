#include "imaging/ConversionMemory.h"

#include <algorithm>

#include "imaging/ImagingLimits.h"

namespace platform {

int DecodedBytesPerPixel(PhotoFormat format)
{
    switch (format) {
    case PhotoFormat::Bmp:
    case PhotoFormat::Ico:
    case PhotoFormat::WebP:
    case PhotoFormat::Gif:
    case PhotoFormat::Heif:
        return 4;
    case PhotoFormat::CameraRaw:
    case PhotoFormat::Tiff:  // a TIFF may be a RAW: only LibRaw tells, at opening
        return 13;
    default:
        return 0;
    }
}

bool DecodedAtOpening(PhotoFormat format)
{
    return format == PhotoFormat::Bmp || format == PhotoFormat::Ico;
}

std::int64_t ConversionBytes(const ConversionLoad& load)
{
    const std::int64_t widest =
        std::max({load.photoWidth, load.photoHeight, load.outputWidth, load.outputHeight, std::int64_t{0}});
    const std::int64_t vips = std::min(widest * kVipsBytesPerColumn, kVipsMostBufferBytes) +
                              std::int64_t{std::max(load.pipelineThreads, 1)} * kVipsBytesPerThread;
    return vips + kTurnScratchBytes + std::int64_t{std::max(load.writerThreads, 1)} * kWriterBytesPerThread +
           load.photoWidth * load.photoHeight * DecodedBytesPerPixel(load.format) + load.jpegCoefficientBytes +
           load.wholeFrameBytes +
           load.outputWidth * load.outputHeight * 3;
}

std::int64_t OpeningBytes(PhotoFormat format, int pipelineThreads, int writerThreads,
                          std::int64_t jpegCoefficientBytes)
{
    ConversionLoad load{format, 0, 0, 0, 0, pipelineThreads, writerThreads, jpegCoefficientBytes};
    if (DecodedAtOpening(format)) {
        load.photoWidth = kMaxImagePixels;
        load.photoHeight = 1;
    }
    return ConversionBytes(load);
}

std::int64_t BatchBudgetBytes(int pipelineThreads, int writerShare)
{
    // A camera RAW holds the most per pixel; a picture one pixel high is the widest.
    return ConversionBytes({PhotoFormat::CameraRaw, kMaxImagePixels, 1, kMaxImagePixels, 1, pipelineThreads,
                            writerShare});
}

std::int64_t BatchPeakBytes(int pipelineThreads, int writerShare, int writerThreads)
{
    return kProcessBaseBytes + BatchBudgetBytes(pipelineThreads, writerShare) +
           std::int64_t{std::max(writerThreads, 1)} * kWriterBytesPerThread;
}

}  // namespace platform
