#include "platform/imaging/FrameSource.h"

#include <QFile>

#include "platform/imaging/ImagingLimits.h"
#include "platform/imaging/ImagingRuntime.h"
#include "platform/imaging/QtFrameSource.h"
#include "platform/imaging/VipsFrameSource.h"

namespace platform {

std::unique_ptr<FrameSource> OpenFrameSource(const QString& path)
{
    if (path.isEmpty() || !QFile::exists(path))
        return nullptr;
    const QByteArray local = QFile::encodeName(path);
    const char* typeName = vips_foreign_find_load(local.constData());
    const char* nickname = typeName ? vips_nickname_find(g_type_from_name(typeName)) : nullptr;
    const std::string loader = nickname ? nickname : "";
    vips_error_clear();
    // Only allowed loaders decode; the rest (ImageMagick's among them) are handed to Qt's
    // BMP and ICO readers, which refuse everything else.
    if (!AllowedFileLoaders().count(loader))
        return QtFrameSource::FromFile(path);
    try {
        // Read the header only: size limits are checked before a single pixel is decoded.
        vips::VImage header = vips::VImage::new_from_file(
            local.constData(), vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        if (!FitsImageLimit(header.width(), header.height()))
            return nullptr;
        int pages = 1;
        if (VipsFrameSource::IsPaged(loader) && vips_image_get_typeof(header.get_image(), VIPS_META_N_PAGES))
            pages = std::max(1, header.get_int(VIPS_META_N_PAGES));
        return std::make_unique<VipsFrameSource>(local.toStdString(), loader, pages);
    } catch (const vips::VError&) {
        vips_error_clear();
        return nullptr;
    }
}

}  // namespace platform
