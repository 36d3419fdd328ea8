#include "imaging/jpeg/JpegFrameSource.h"

#include "imaging/ImagingFailure.h"
#include "imaging/ImagingLimits.h"
#include "system/MappedFile.h"
#include "imaging/TileFailures.h"
#include "imaging/frames/MemoryCopy.h"
#include "imaging/frames/PhotoOrientation.h"
#include "imaging/frames/PhotoSource.h"
#include "imaging/frames/PixelPipeline.h"
#include "imaging/frames/SrgbConversion.h"
#include "imaging/jpeg/JpegDecoder.h"
#include "imaging/jpeg/JpegIccChunks.h"
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
        throw ImagingFailure(Failure::TooLargeAt(header.width(), header.height()));
    FrameInfo info = FrameInfoFor(
        header, autoOrient_ ? UprightTurn(RecordedOrientation(header)) : RotateFlipType::RotateNoneFlipNone);
    // The one decode of the opening: it checks the data and makes the preview.
    if (previewWanted_) {
        const bool whole = DrawWithoutTileFailures([&] {
            const vips::VImage pixels = Pixels(header, kPreviewSide, kPreviewSide);
            info.preview = CopyToMemory(Turned(PreviewCopy(pixels), info.turn));
            return true;
        });
        if (!whole)
            throw ImagingFailure(Failure::Of(Failure::Kind::Damaged));
    }
    return info;
}

vips::VImage JpegFrameSource::Render(int, int width, int height, VipsKernel kernel, QRgb background) const
{
    return StretchOntoBackground(Pixels(Header(), width, height), width, height, kernel, background);
}

vips::VImage JpegFrameSource::Header() const
{
    // Before the options, which the load frees.
    const vips::VSource source = OpenPhotoSource(OpenKeptFile(localName_));
    vips::VImage header = LoadPhoto("jpegload", source, vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL)).copy();
    // The profile as we join its chunks, whatever their numbering, under the same checks and size
    // limit as every format's: libvips drops chunks numbered from 0 without a word.
    vips_image_remove(header.get_image(), VIPS_META_ICC_NAME);
    const FileDescriptor file = OpenKeptFile(localName_);
    const MappedFile mapped(file.Get());
    const auto profile = JpegIccProfile(mapped.Data(), mapped.Size());
    if (mapped.Changed())
        throw ImagingFailure(Failure::Of(Failure::Kind::FileChanged));
    if (profile) {
        static const std::uint8_t kNone = 0;  // a profile that cannot be whole: told as ignored
        vips_image_set_blob_copy(header.get_image(), VIPS_META_ICC_NAME, profile->empty() ? &kNone : profile->data(),
                                 profile->empty() ? 1 : profile->size());
    }
    return header;
}

vips::VImage JpegFrameSource::Pixels(const vips::VImage& header, int minWidth, int minHeight) const
{
    std::unique_ptr<JpegDecoder> decoder = JpegDecoder::Open(OpenKeptFile(localName_));
    if (!decoder || decoder->Width() != header.width() || decoder->Height() != header.height() ||
        !decoder->Start(JpegEighthsFor(header.width(), header.height(), minWidth, minHeight)))
        throw ImagingFailure(decoder ? FailureOfLibraryText(decoder->Why()) : Failure::Of(Failure::Kind::Damaged));
    return NormalisePixels(ConvertedToSrgb(JpegPixels(std::move(decoder), header, Noted())).pixels);
}

}  // namespace platform
