#include "imaging/frames/VipsFrameSource.h"

#include <algorithm>

#include "imaging/ImagingFailure.h"
#include "imaging/ImagingLimits.h"
#include "imaging/TileFailures.h"
#include "imaging/frames/FrameResolution.h"
#include "imaging/frames/MemoryCopy.h"
#include "imaging/frames/PhotoOrientation.h"
#include "imaging/frames/PhotoSource.h"
#include "imaging/frames/PixelPipeline.h"
#include "imaging/frames/SrgbConversion.h"

namespace platform {

VipsFrameSource::VipsFrameSource(QByteArray localName, std::string loader, int pages, bool autoOrient)
    : localName_(std::move(localName)), loader_(std::move(loader)), pages_(pages), autoOrient_(autoOrient)
{
}

Guid VipsFrameSource::Dimension() const
{
    if (loader_ == "gifload" || (loader_ == "webpload" && pages_ > 1))
        return FrameDimensionTime;
    return FrameDimensionPage;
}

FrameInfo VipsFrameSource::Open(int index) const
{
    if (index < 0 || index >= pages_)
        throw vips::VError("no such page");
    const vips::VImage header = Load(index, 1);
    if (!FitsImageLimit(header.width(), header.height()))
        throw ImagingFailure(Failure::TooLargeAt(header.width(), header.height()));
    FrameInfo info = FrameInfoFor(header, TurnOf(header));
    info.dpiX = FrameResolution(loader_, header);
    kept_ = KeptFrame();
    // Shrunk while decoding where the decoder can: a whole frame is never held for the preview.
    // Where it cannot, the whole frame decoded is kept for the conversion.
    if (previewWanted_) {
        const int shrink = ShrinkOnLoad(header.width(), header.height(), kPreviewSide, kPreviewSide);
        const bool keep = shrink == 1 && std::int64_t{header.width()} * header.height() * 4 <= kMaxKeptFrameBytes;
        const bool whole = DrawWithoutTileFailures([&] {
            vips::VImage pixels = NormalisePixels(ConvertedToSrgb(Load(index, shrink)).pixels);
            if (keep)
                pixels = CopyToMemory(pixels);
            info.preview = CopyToMemory(Turned(PreviewCopy(pixels), info.turn));
            if (keep)
                kept_ = KeptFrame{index, pixels, KeptFileStamp()};
            return true;
        }, WarningsAreDamage());
        if (!whole) {
            kept_ = KeptFrame();
            throw ImagingFailure(Failure::Of(Failure::Kind::Damaged));
        }
    }
    return info;
}

vips::VImage VipsFrameSource::Render(int index, int width, int height, VipsKernel kernel, QRgb background) const
{
    if (kept_.index == index && kept_.stamp && kept_.stamp == KeptFileStamp())
        return StretchOntoBackground(kept_.pixels, width, height, kernel, background);
    kept_ = KeptFrame();  // the file changed: it is decoded anew
    const vips::VImage header = Load(index, 1);
    // Decoding at a fraction of the size is much faster when the output is small.
    const int shrink = ShrinkOnLoad(header.width(), header.height(), width, height);
    return StretchOntoBackground(NormalisePixels(ConvertedToSrgb(Load(index, shrink)).pixels), width, height, kernel, background);
}

RotateFlipType VipsFrameSource::TurnOf(const vips::VImage& header) const
{
    // libheif has already applied a HEIF's own transformations; JPEG XL's decoder likewise.
    const bool exifOrientation = IsWebp() || loader_ == "tiffload";
    return autoOrient_ && exifOrientation ? UprightTurn(RecordedOrientation(header))
                                          : RotateFlipType::RotateNoneFlipNone;
}

int VipsFrameSource::ShrinkOnLoad(int width, int height, int minWidth, int minHeight) const
{
    if (IsWebp())
        return std::max(1, std::min(width / std::max(1, minWidth), height / std::max(1, minHeight)));
    return 1;
}

bool VipsFrameSource::WarningsAreDamage() const
{
    // libtiff tells a corrupt strip (a fax code lost, JPEG data cut) only as a warning, which
    // libvips passes on without failing at any level; libnsgif's corrupt frame data fails only
    // at the level that also refuses a GIF for having more frames than it offers.
    return loader_ == "tiffload" || loader_ == "gifload";
}

bool VipsFrameSource::IsPaged(const std::string& loader)
{
    return loader == "gifload" || loader == "tiffload" || loader == "webpload" || loader == "heifload";
}

vips::VImage VipsFrameSource::Load(int index, int shrink) const
{
    // Before the options, which the load frees.
    const vips::VSource source = OpenPhotoSource(OpenKeptFile(localName_));
    auto* options = vips::VImage::option()
                        ->set("access", VIPS_ACCESS_SEQUENTIAL)
                        ->set("fail_on", VIPS_FAIL_ON_ERROR);
    if (IsPaged(loader_))
        options->set("page", index)->set("n", 1);
    if (shrink > 1 && IsWebp())
        options->set("scale", 1.0 / shrink);
    return LoadPhoto(loader_, source, options);
}

}  // namespace platform
