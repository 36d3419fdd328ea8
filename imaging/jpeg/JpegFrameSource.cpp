#include "imaging/jpeg/JpegFrameSource.h"

#include "imaging/ImagingLimits.h"
#include "imaging/TileFailures.h"
#include "imaging/frames/MemoryCopy.h"
#include "imaging/frames/PhotoOrientation.h"
#include "imaging/frames/PhotoSource.h"
#include "imaging/frames/PixelPipeline.h"
#include "imaging/frames/SrgbConversion.h"
#include "imaging/jpeg/JpegDecoder.h"
#include "imaging/jpeg/JpegPixels.h"
#include "imaging/jpeg/JpegScale.h"

namespace platform {

JpegFrameSource::JpegFrameSource(QByteArray localName, bool autoOrient)
    : localName_(std::move(localName)), autoOrient_(autoOrient)
{
}

Guid JpegFrameSource::Dimension() const
{
    return FrameDimensionPage;
}

FrameInfo JpegFrameSource::Open(int index) const
{
    if (index != 0)
        throw vips::VError("a JPEG has one frame");
    const vips::VImage header = Header();
    if (!FitsImageLimit(header.width(), header.height()))
        throw vips::VError("the frame is larger than the pixel limit");
    FrameInfo info = FrameInfoFor(
        header, autoOrient_ ? TurnForOrientation(RecordedOrientation(header)) : RotateFlipType::RotateNoneFlipNone);
    // The one decode of the opening: it checks the data and makes the preview.
    if (previewWanted_) {
        const bool whole = DrawWithoutTileFailures([&] {
            const vips::VImage pixels = Pixels(header, kPreviewSide, kPreviewSide);
            info.preview = CopyToMemory(Turned(PreviewCopy(pixels), info.turn));
            return true;
        });
        if (!whole)
            throw vips::VError("the frame cannot be decoded whole");
    }
    return info;
}

vips::VImage JpegFrameSource::Render(int, int width, int height, VipsKernel kernel) const
{
    return StretchOntoBlack(Pixels(Header(), width, height), width, height, kernel);
}

vips::VImage JpegFrameSource::Header() const
{
    // Before the options, which the load frees.
    const vips::VSource source = OpenPhotoSource(OpenKeptFile(localName_));
    return LoadPhoto("jpegload", source, vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
}

vips::VImage JpegFrameSource::Pixels(const vips::VImage& header, int minWidth, int minHeight) const
{
    std::unique_ptr<JpegDecoder> decoder = JpegDecoder::Open(OpenKeptFile(localName_));
    if (!decoder || decoder->Width() != header.width() || decoder->Height() != header.height() ||
        !decoder->Start(JpegEighthsFor(header.width(), header.height(), minWidth, minHeight)))
        throw vips::VError("the JPEG data cannot be decoded");
    return NormalisePixels(ConvertedToSrgb(JpegPixels(std::move(decoder), header)).pixels);
}

}  // namespace platform
