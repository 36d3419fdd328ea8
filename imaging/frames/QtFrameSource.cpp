#include "imaging/frames/QtFrameSource.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include "imaging/ImagingFailure.h"
#include "imaging/checks/BmpCompleteness.h"
#include "imaging/checks/IconDirectory.h"
#include "imaging/ImagingLimits.h"
#include "system/MappedFile.h"
#include "imaging/frames/PixelPipeline.h"

namespace platform {
namespace {

constexpr int kNoResolution = 1;  // dots per metre

// Qt's readers get a file we opened, never the name: no reader guesses from it.
bool OpenForReader(FileDescriptor fd, QFile& file)
{
    if (!fd || !file.open(fd.Get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return false;
    fd.Release();  // the file closes it now
    return true;
}

}  // namespace

QtFrameSource::QtFrameSource(QByteArray localName, QByteArray format, std::vector<int> images)
    : localName_(std::move(localName)), format_(std::move(format)), images_(std::move(images))
{
}

std::unique_ptr<FrameSource> QtFrameSource::FromFile(const QByteArray& localName, int fd, PhotoFormat format)
{
    const MappedFile file(fd);
    if (format == PhotoFormat::Bmp) {
        const bool complete = BmpIsComplete(file.Data(), file.Size());
        if (file.Changed())
            throw ImagingFailure(Failure::Of(Failure::Kind::FileChanged));
        if (!complete)
            throw ImagingFailure(Failure::Of(Failure::Kind::EndsEarly));
        return std::make_unique<QtFrameSource>(localName, "bmp", std::vector<int>{0});
    }
    std::vector<int> images = IconImagesInFile(file.Data(), file.Size());
    if (file.Changed())
        throw ImagingFailure(Failure::Of(Failure::Kind::FileChanged));
    if (images.empty())
        throw ImagingFailure(Failure::Of(Failure::Kind::Mismatch));
    return std::make_unique<QtFrameSource>(localName, "ico", std::move(images));
}

Guid QtFrameSource::Dimension() const
{
    return format_ == "ico" ? FrameDimensionResolution : FrameDimensionPage;
}

FrameInfo QtFrameSource::Open(int index) const
{
    Decode(index);
    FrameInfo info = FrameInfoFor(pixels_.width(), pixels_.height(), dpiX_);
    info.preview = PreviewCopy(pixels_);
    return info;
}

vips::VImage QtFrameSource::Render(int index, int width, int height, VipsKernel kernel, QRgb background) const
{
    Decode(index);
    return StretchOntoBackground(pixels_, width, height, kernel, background);
}

void QtFrameSource::Decode(int index) const
{
    if (index == decodedIndex_)
        return;
    if (index < 0 || index >= FrameCount())
        throw vips::VError("the frame cannot be decoded");
    QFile file;
    if (!OpenForReader(OpenKeptFile(localName_), file))
        throw vips::VError("the frame cannot be decoded");
    QImageReader reader(&file, format_);
    reader.setAutoDetectImageFormat(false);  // the first bytes chose the reader; no other may try
    const int entry = images_[static_cast<std::size_t>(index)];
    if (entry > 0 && !reader.jumpToImage(entry))
        throw vips::VError("the frame cannot be decoded");
    const QSize size = reader.size();
    if (size.isValid() && !FitsImageLimit(size.width(), size.height()))
        throw ImagingFailure(Failure::TooLargeAt(size.width(), size.height()));
    // Qt's own limit (128 MiB) is far below ours: a frame as large as ours allows, at 4 bytes a pixel.
    reader.setAllocationLimit(static_cast<int>((kMaxImagePixels * 4 >> 20) + 1));
    decodedIndex_ = -1;  // the last frame's pixels go first, so that two are never held
    pixels_ = vips::VImage();
    decoded_ = QImage();
    // Qt's readers fill a picture of the right size and format in place: starting from zeros, a
    // pixel a damaged file leaves unset is black, never what was in memory before.
    QImage image;
    if (size.isValid() && reader.imageFormat() != QImage::Format_Invalid) {
        image = QImage(size, reader.imageFormat());
        image.fill(0);
        // Qt's default of 72 dpi stays where the file declares none; a resolution no file gives
        // tells that case apart (Qt ignores 0).
        image.setDotsPerMeterX(kNoResolution);
    }
    if (!reader.read(&image) || image.isNull())
        throw ImagingFailure(Failure::DamagedAs(reader.errorString()));
    const bool alpha = image.hasAlphaChannel();
    // In place where Qt can (32-bit formats): a frame at the limit is never held twice.
    image.convertTo(QImage::Format_RGBA8888);
    if (image.format() != QImage::Format_RGBA8888 || image.isNull())  // Qt's way of saying memory ran out
        throw ImagingFailure(Failure::Of(Failure::Kind::OutOfMemory));
    // A view of Qt's pixels, which are kept, as 3 bands or 4.
    vips::VImage pixels = vips::VImage::new_from_memory(image.bits(), static_cast<size_t>(image.sizeInBytes()),
                                                        image.width(), image.height(), 4, VIPS_FORMAT_UCHAR);
    pixels = pixels.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    if (!alpha)
        pixels = pixels.extract_band(0, vips::VImage::option()->set("n", 3));
    pixels_ = pixels;
    decoded_ = image;
    dpiX_ = image.dotsPerMeterX() > kNoResolution ? image.dotsPerMeterX() * 0.0254 : kDefaultDpi;
    decodedIndex_ = index;
}

}  // namespace platform
