#include "platform/imaging/FrameSource.h"

#include <cmath>
#include <string>

#include <QFile>
#include <QImage>
#include <QImageReader>

#include "platform/imaging/ImagingLimits.h"
#include "platform/imaging/ImagingRuntime.h"

namespace platform {
namespace {

constexpr double kDefaultDpi = 96.0;
constexpr double kMmPerInch = 25.4;

// Side that a preview copy keeps at least, so the preview area is never upsampled much.
constexpr int kPreviewSide = 256;

// The largest JPEG shrink-on-load factor that keeps at least minWidth x minHeight pixels.
int JpegShrinkFor(int width, int height, int minWidth, int minHeight)
{
    for (int s : {8, 4, 2}) {
        if (width / s >= minWidth && height / s >= minHeight)
            return s;
    }
    return 1;
}

// A small copy of pixels for the preview, at most kPreviewSide * 2 on its longer side.
vips::VImage PreviewCopy(const vips::VImage& pixels)
{
    vips::VImage small = pixels;
    const int longer = std::max(pixels.width(), pixels.height());
    if (longer > 2 * kPreviewSide)
        small = pixels.resize(double(2 * kPreviewSide) / longer);
    return small.copy_memory();
}

// Decodes with libvips: JPEG, PNG, GIF, TIFF, WebP, HEIF/AVIF, JPEG XL, JPEG 2000.
class VipsFrameSource final : public FrameSource {
public:
    VipsFrameSource(std::string path, std::string loader, int pages)
        : path_(std::move(path)), loader_(std::move(loader)), pages_(pages)
    {
    }

    Guid Dimension() const override
    {
        if (loader_ == "gifload" || (loader_ == "webpload" && pages_ > 1))
            return FrameDimensionTime;
        return FrameDimensionPage;
    }

    int FrameCount() const override { return pages_; }

    std::optional<FrameInfo> Open(int index) const override
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
        } catch (const vips::VError&) {
            vips_error_clear();
            return std::nullopt;
        }
    }

    vips::VImage Render(int index, int width, int height, VipsKernel kernel) const override
    {
        const vips::VImage header = Load(index, 1);
        // Decoding a JPEG at a fraction of its size is much faster when the output is small.
        const int shrink = IsJpeg() ? JpegShrinkFor(header.width(), header.height(), width, height) : 1;
        return StretchOntoBlack(NormalisePixels(Load(index, shrink)), width, height, kernel);
    }

    static bool IsPaged(const std::string& loader)
    {
        return loader == "gifload" || loader == "tiffload" || loader == "webpload" ||
               loader == "heifload";
    }

private:
    bool IsJpeg() const { return loader_ == "jpegload"; }

    vips::VImage Load(int index, int shrink) const
    {
        auto* options = vips::VImage::option()
                            ->set("access", VIPS_ACCESS_SEQUENTIAL)
                            ->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
        if (IsPaged(loader_))
            options->set("page", index)->set("n", 1);
        if (shrink > 1)
            options->set("shrink", shrink);
        return vips::VImage::new_from_file(path_.c_str(), options);
    }

    std::string path_;
    std::string loader_;
    int pages_;
};

// Decodes BMP and ICO with Qt's readers; libvips reaches them only through ImageMagick.
// These files are small, so the decoded frame is kept whole.
class QtFrameSource final : public FrameSource {
public:
    QtFrameSource(QString path, QByteArray format, int count)
        : path_(std::move(path)), format_(std::move(format)), count_(count)
    {
    }

    Guid Dimension() const override
    {
        return format_ == "ico" ? FrameDimensionResolution : FrameDimensionPage;
    }

    int FrameCount() const override { return count_; }

    std::optional<FrameInfo> Open(int index) const override
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

    vips::VImage Render(int index, int width, int height, VipsKernel kernel) const override
    {
        if (!Decode(index))
            throw vips::VError("the frame cannot be decoded");
        return StretchOntoBlack(pixels_, width, height, kernel);
    }

private:
    bool Decode(int index) const
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

    QString path_;
    QByteArray format_;
    int count_;
    mutable int decodedIndex_ = -1;
    mutable vips::VImage pixels_;
    mutable double dpiX_ = kDefaultDpi;
};

std::unique_ptr<FrameSource> OpenWithQt(const QString& path)
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

}  // namespace

double ResolutionOrDefault(const vips::VImage& image)
{
    const double xres = image.xres();  // pixels per millimetre
    const bool declared = vips_image_get_typeof(image.get_image(), "resolution-unit") != 0;
    // Loaders fill in 1 (25.4 dpi), 72 dpi or 0 when the file says nothing.
    if (!std::isfinite(xres) || xres <= 0)
        return kDefaultDpi;
    // Loaders fill in 1 (25.4 dpi) or 72 dpi when the file says nothing.
    const bool guessed = std::fabs(xres - 1.0) < 1e-5 || std::fabs(xres - 72.0 / kMmPerInch) < 1e-5;
    if (guessed && !declared)
        return kDefaultDpi;
    return xres * kMmPerInch;
}

vips::VImage NormalisePixels(const vips::VImage& image)
{
    vips::VImage img = image;
    if (img.interpretation() != VIPS_INTERPRETATION_sRGB || img.format() != VIPS_FORMAT_UCHAR) {
        try {
            img = img.colourspace(VIPS_INTERPRETATION_sRGB);
        } catch (const vips::VError&) {
            vips_error_clear();  // unusual band layouts: keep the pixels, just cast them
        }
    }
    if (img.format() != VIPS_FORMAT_UCHAR)
        img = img.cast(VIPS_FORMAT_UCHAR);
    if (img.bands() == 1 || img.bands() == 2) {
        vips::VImage grey = img.extract_band(0);
        vips::VImage rgb = grey.bandjoin({grey, grey});
        img = img.bands() == 2 ? rgb.bandjoin(img.extract_band(1)) : rgb;
    } else if (img.bands() > 4) {
        img = img.extract_band(0, vips::VImage::option()->set("n", 4));
    }
    return img.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

vips::VImage StretchOntoBlack(const vips::VImage& pixels, int width, int height, VipsKernel kernel)
{
    vips::VImage out = pixels;
    if (out.bands() == 4)
        out = out.flatten(vips::VImage::option()->set("background", std::vector<double>{0, 0, 0}));
    if (out.width() != width || out.height() != height) {
        const double hs = double(width) / out.width();
        const double vs = double(height) / out.height();
        out = out.resize(hs, vips::VImage::option()->set("vscale", vs)->set("kernel", kernel));
    }
    // Rounding in the resampler can leave one pixel more or less.
    if (out.width() != width || out.height() != height)
        out = out.gravity(VIPS_COMPASS_DIRECTION_NORTH_WEST, width, height,
                          vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
    return out.cast(VIPS_FORMAT_UCHAR);
}

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
        return OpenWithQt(path);
    try {
        // Read the header only: size limits are checked before a single pixel is decoded.
        vips::VImage header = vips::VImage::new_from_file(
            local.constData(), vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        if (!FitsImageLimit(header.width(), header.height()))
            return nullptr;
        int pages = 1;
        if (VipsFrameSource::IsPaged(loader) &&
            vips_image_get_typeof(header.get_image(), VIPS_META_N_PAGES))
            pages = std::max(1, header.get_int(VIPS_META_N_PAGES));
        return std::make_unique<VipsFrameSource>(local.toStdString(), loader, pages);
    } catch (const vips::VError&) {
        vips_error_clear();
        return nullptr;
    }
}

}  // namespace platform
