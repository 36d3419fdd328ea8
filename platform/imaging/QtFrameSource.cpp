#include "platform/imaging/QtFrameSource.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include "platform/imaging/ImagingLimits.h"
#include "platform/imaging/MemoryCopy.h"
#include "platform/imaging/OpenPhotoFile.h"
#include "platform/imaging/PixelPipeline.h"

namespace platform {
namespace {

// Qt's readers get a file we opened, never the name: no reader guesses from it.
bool OpenForReader(const QByteArray& localName, QFile& file)
{
    FileDescriptor fd = OpenPhotoFile(localName);
    if (!fd || !file.open(fd.Get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return false;
    fd.Release();  // the file closes it now
    return true;
}

}  // namespace

QtFrameSource::QtFrameSource(QByteArray localName, QByteArray format, int count)
    : localName_(std::move(localName)), format_(std::move(format)), count_(count)
{
}

std::unique_ptr<FrameSource> QtFrameSource::FromFile(const QByteArray& localName)
{
    QFile file;
    if (!OpenForReader(localName, file))
        return nullptr;
    QImageReader reader(&file);
    const QByteArray format = reader.format();  // from the contents
    if (format != "bmp" && format != "ico")
        return nullptr;
    reader.setFormat(format);
    const int count = format == "ico" ? reader.imageCount() : 1;
    if (count <= 0)
        return nullptr;
    return std::make_unique<QtFrameSource>(localName, format, count);
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
    } catch (const std::exception&) {  // vips::VError, or memory running out
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
    QFile file;
    if (!OpenForReader(localName_, file))
        return false;
    QImageReader reader(&file, format_);
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
    if (image.isNull())  // Qt's way of saying memory ran out
        return false;
    try {
        // A view of Qt's pixels, copied once into memory of libvips' own, as 3 bands or 4.
        vips::VImage pixels = vips::VImage::new_from_memory(image.bits(), static_cast<size_t>(image.sizeInBytes()),
                                                            image.width(), image.height(), 4, VIPS_FORMAT_UCHAR);
        pixels = pixels.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
        if (!alpha)
            pixels = pixels.extract_band(0, vips::VImage::option()->set("n", 3));
        pixels_ = CopyToMemory(pixels);
    } catch (const std::exception&) {  // vips::VError, or memory running out
        vips_error_clear();
        return false;
    }
    dpiX_ = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : kDefaultDpi;
    decodedIndex_ = index;
    return true;
}

}  // namespace platform
