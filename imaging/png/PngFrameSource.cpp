#include "imaging/png/PngFrameSource.h"

#include "imaging/ImagingFailure.h"
#include "imaging/ImagingLimits.h"
#include "imaging/TileFailures.h"
#include "imaging/frames/FrameResolution.h"
#include "imaging/frames/MemoryCopy.h"
#include "imaging/frames/PhotoOrientation.h"
#include "imaging/frames/PixelPipeline.h"
#include "imaging/frames/SrgbConversion.h"
#include "imaging/png/PngDecoder.h"
#include "imaging/png/PngPixels.h"

namespace platform {

PngFrameSource::PngFrameSource(QByteArray localName, bool autoOrient)
    : localName_(std::move(localName)), autoOrient_(autoOrient)
{
}

Guid PngFrameSource::Dimension() const
{
    return FrameDimensionPage;
}

std::unique_ptr<PngDecoder> PngFrameSource::Decoder() const
{
    Failure why;
    std::unique_ptr<PngDecoder> decoder = PngDecoder::Open(OpenKeptFile(localName_), &why);
    if (!decoder)
        throw ImagingFailure(why);
    if (decoder->ExifDropped())
        Warn(PhotoWarning::DetailsDropped);
    decoder->OnDataAfterPicture([this] { Warn(PhotoWarning::DataAfterPicture); });
    return decoder;
}

FrameInfo PngFrameSource::Open(int index) const
{
    if (index != 0)
        throw vips::VError("a PNG has one frame");
    kept_.reset();
    std::unique_ptr<PngDecoder> decoder = Decoder();
    wholeFrameBytes_ = decoder->Interlaced() ? std::int64_t(decoder->RowBytes()) * decoder->Height() : 0;
    const RotateFlipType turn =
        autoOrient_ ? UprightTurn(decoder->Orientation()) : RotateFlipType::RotateNoneFlipNone;
    FrameInfo info = FrameInfoFor(decoder->Width(), decoder->Height(), DeclaredOrDefault(decoder->DeclaredDpi()), turn);
    // 8-bit RGB, with or without alpha, and no profile: decoded as it will be kept, at once.
    const bool asKept = !decoder->Deep() && decoder->Bands() >= 3 && !decoder->Profile();
    if (asKept && previewWanted_)
        return OpenKept(*decoder, info);
    const SrgbPixels srgb = ConvertedToSrgb(PngPixels(std::move(decoder), Noted()));
    info.profileIgnored = srgb.profileIgnored;
    // The one decode of the opening: it checks the file, makes the preview and is kept for the
    // conversion (the pixel limit keeps it within kMaxKeptFrameBytes).
    if (previewWanted_) {
        const bool whole = DrawWithoutTileFailures([&] {
            const vips::VImage pixels = CopyToMemory(NormalisePixels(srgb.pixels));
            info.preview = CopyToMemory(Turned(PreviewCopy(pixels), info.turn));
            kept_ = KeptFrame{pixels, KeptFileStamp()};
            return true;
        });
        if (!whole) {
            kept_.reset();
            throw ImagingFailure(Failure::Of(Failure::Kind::Damaged));
        }
    }
    return info;
}

FrameInfo PngFrameSource::OpenKept(PngDecoder& decoder, FrameInfo info) const
{
    const vips::VImage pixels = NormalisePixels(PngPixelsInMemory(decoder));
    info.preview = CopyToMemory(Turned(PreviewCopy(pixels), info.turn));
    kept_ = KeptFrame{pixels, KeptFileStamp()};
    return info;
}

vips::VImage PngFrameSource::Render(int, int width, int height, VipsKernel kernel, QRgb background) const
{
    if (kept_ && kept_->stamp && kept_->stamp == KeptFileStamp())
        return StretchOntoBackground(kept_->pixels, width, height, kernel, background);
    kept_.reset();  // the file changed: it is decoded anew
    return StretchOntoBackground(NormalisePixels(ConvertedToSrgb(PngPixels(Decoder(), Noted())).pixels), width, height, kernel, background);
}

}  // namespace platform
