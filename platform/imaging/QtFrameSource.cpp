#include "platform/imaging/QtFrameSource.h"

#include <QImage>
#include <QImageReader>

#include "platform/imaging/ImagingLimits.h"
#include "platform/imaging/PixelPipeline.h"

namespace platform {

QtFrameSource::QtFrameSource(QString path, QByteArray format, int count)
    : path_(std::move(path)), format_(std::move(format)), count_(count)
{
}

std::unique_ptr<FrameSource> QtFrameSource::FromFile(const QString& path)
{
    QImageReader reader(path);
    const QByteArray format = reader.format();  // from the contents, not the name
    if (format != "bmp" && format != "ico")
        return nullptr;
    reader.setFormat(format);
    const int count = format == "ico" ? reader.imageCount() : 1;
    if (count <= 0)
        return nullptr;
    return std::make_unique<QtFrameSource>(path, format, count);
}

Guid QtFrameSource::Dimension() const
{
    return format_ == "ico" ? FrameDimensionResolution : FrameDimensionPage;
}

std::optional<FrameInfo> QtFrameSource::Open(int index) const
{
    if (!Decode(index))
        return std::nullopt;
    FrameInfo info;
    info.width = pixels_.width();
    info.height = pixels_.height();
    info.dpiX = dpiX_;
    try {
        info.preview = PreviewCopy(pixels_);
    } catch (const vips::VError&) {
        vips_error_clear();
        return std::nullopt;
    }
    return info;
}

vips::VImage QtFrameSource::Render(int index, int width, int height, VipsKernel kernel) const
{
    if (!Decode(index))
        throw vips::VError("the frame cannot be decoded");
    return StretchOntoBlack(pixels_, width, height, kernel);
}

bool QtFrameSource::Decode(int index) const
{
    if (index == decodedIndex_)
        return true;
    if (index < 0 || index >= count_)
        return false;
    QImageReader reader(path_, format_);
    if (index > 0 && !reader.jumpToImage(index))
        return false;
    const QSize size = reader.size();
    if (size.isValid() && !FitsImageLimit(size.width(), size.height()))
        return false;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return false;
    const bool alpha = image.hasAlphaChannel();
    image = image.convertToFormat(QImage::Format_RGBA8888);
    VipsImage* copied = vips_image_new_from_memory_copy(image.constBits(), static_cast<size_t>(image.sizeInBytes()),
                                                        image.width(), image.height(), 4, VIPS_FORMAT_UCHAR);
    if (!copied) {
        vips_error_clear();
        return false;
    }
    vips::VImage pixels(copied);
    pixels = pixels.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    if (!alpha)
        pixels = pixels.extract_band(0, vips::VImage::option()->set("n", 3)).copy_memory();
    pixels_ = pixels;
    dpiX_ = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : kDefaultDpi;
    decodedIndex_ = index;
    return true;
}

}  // namespace platform
