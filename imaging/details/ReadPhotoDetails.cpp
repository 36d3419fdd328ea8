#include "imaging/details/ReadPhotoDetails.h"

#include <vips/vips8>

#include "system/MappedFile.h"

namespace platform {

namespace {

QByteArray Blob(const vips::VImage& image, const char* name)
{
    const void* data = nullptr;
    std::size_t size = 0;
    if (vips_image_get_typeof(image.get_image(), name) == 0 ||
        vips_image_get_blob(image.get_image(), name, &data, &size) != 0 || !data)
        return {};
    return QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size));
}

// libheif finds an HEIF's details among its items, where exiv2 0.27 does not look.
PhotoDetails HeifDetails(const MappedFile& file)
{
    try {
        const vips::VImage header = vips::VImage::new_from_buffer(file.Data(), file.Size(), "",
                                                                  vips::VImage::option()->set("fail", false));
        return PhotoDetails::FromBlocks(Blob(header, VIPS_META_EXIF_NAME), Blob(header, VIPS_META_XMP_NAME));
    } catch (const std::exception&) {
        vips_error_clear();
        return {};  // the photo itself fails to open, and says why there
    }
}

}  // namespace

PhotoDetails ReadPhotoDetails(int fd, PhotoFormat format)
{
    const MappedFile file(fd);
    if (!file.Data())
        return {};
    PhotoDetails details = format == PhotoFormat::Heif ? HeifDetails(file) : PhotoDetails::FromFile(file.Data(), file.Size());
    return file.Changed() ? PhotoDetails::Dropped() : details;
}

}  // namespace platform
