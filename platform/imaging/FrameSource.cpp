#include "platform/imaging/FrameSource.h"

#include "platform/imaging/ImagingLimits.h"
#include "platform/imaging/LocalFileName.h"
#include "platform/imaging/PhotoSource.h"
#include "platform/imaging/QtFrameSource.h"
#include "platform/imaging/VipsFrameSource.h"

namespace platform {

std::unique_ptr<FrameSource> OpenFrameSource(const QString& path)
{
    const QByteArray local = LocalFileName(path);
    if (local.isEmpty())
        return nullptr;
    try {
        vips::VSource source = OpenPhotoSource(local);
        const std::string loader = AllowedLoaderFor(source);
        // Only allowed loaders decode; the rest (ImageMagick's among them) are handed to Qt's
        // BMP and ICO readers, which refuse everything else.
        if (loader.empty())
            return QtFrameSource::FromFile(local);
        // Read the header only: size limits are checked before a single pixel is decoded.
        vips::VImage header = vips::VImage::new_from_source(
            source, "", vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        if (!FitsImageLimit(header.width(), header.height()))
            return nullptr;
        int pages = 1;
        if (VipsFrameSource::IsPaged(loader) && vips_image_get_typeof(header.get_image(), VIPS_META_N_PAGES))
            pages = std::max(1, header.get_int(VIPS_META_N_PAGES));
        return std::make_unique<VipsFrameSource>(local, loader, pages);
    } catch (const vips::VError&) {
        vips_error_clear();
        return nullptr;
    }
}

}  // namespace platform
