#include "platform/imaging/VipsFrameSource.h"

#include "platform/imaging/ImagingLimits.h"
#include "platform/imaging/PhotoSource.h"
#include "platform/imaging/PixelPipeline.h"

namespace platform {

VipsFrameSource::VipsFrameSource(QByteArray localName, std::string loader, int pages)
    : localName_(std::move(localName)), loader_(std::move(loader)), pages_(pages)
{
}

Guid VipsFrameSource::Dimension() const
{
    if (loader_ == "gifload" || (loader_ == "webpload" && pages_ > 1))
        return FrameDimensionTime;
    return FrameDimensionPage;
}

std::optional<FrameInfo> VipsFrameSource::Open(int index) const
{
    if (index < 0 || index >= pages_)
        return std::nullopt;
    try {
        const vips::VImage header = Load(index, 1);
        if (!FitsImageLimit(header.width(), header.height()))
            return std::nullopt;
        FrameInfo info;
        info.width = header.width();
        info.height = header.height();
        info.dpiX = ResolutionOrDefault(header);
        const int shrink = IsJpeg() ? JpegShrinkFor(info.width, info.height, kPreviewSide, kPreviewSide) : 1;
        info.preview = PreviewCopy(NormalisePixels(Load(index, shrink)));
        return info;
    } catch (const std::exception&) {  // vips::VError, or memory running out
        vips_error_clear();
        return std::nullopt;
    }
}

vips::VImage VipsFrameSource::Render(int index, int width, int height, VipsKernel kernel) const
{
    const vips::VImage header = Load(index, 1);
    // Decoding a JPEG at a fraction of its size is much faster when the output is small.
    const int shrink = IsJpeg() ? JpegShrinkFor(header.width(), header.height(), width, height) : 1;
    return StretchOntoBlack(NormalisePixels(Load(index, shrink)), width, height, kernel);
}

bool VipsFrameSource::IsPaged(const std::string& loader)
{
    return loader == "gifload" || loader == "tiffload" || loader == "webpload" || loader == "heifload";
}

vips::VImage VipsFrameSource::Load(int index, int shrink) const
{
    const vips::VSource source = OpenPhotoSource(localName_);  // before the options, which the load frees
    auto* options = vips::VImage::option()
                        ->set("access", VIPS_ACCESS_SEQUENTIAL)
                        ->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
    if (IsPaged(loader_))
        options->set("page", index)->set("n", 1);
    if (shrink > 1)
        options->set("shrink", shrink);
    return vips::VImage::new_from_source(source, "", options);
}

}  // namespace platform
