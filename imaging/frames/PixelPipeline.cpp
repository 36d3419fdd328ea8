#include "imaging/frames/PixelPipeline.h"

#include <algorithm>
#include <cmath>

#include "imaging/frames/MemoryCopy.h"

namespace platform {
namespace {
constexpr double kMmPerInch = 25.4;
}  // namespace

double ResolutionOrDefault(const vips::VImage& image)
{
    const double xres = image.xres();  // pixels per millimetre
    const bool declared = vips_image_get_typeof(image.get_image(), "resolution-unit") != 0;
    if (!std::isfinite(xres) || xres <= 0)
        return kDefaultDpi;
    // Loaders fill in 1 (25.4 dpi) or 72 dpi when the file says nothing; libvips writes 1 pixel
    // per millimetre (a TIFF's, a WebP's EXIF) for a picture without a resolution.
    const bool placeholder = std::fabs(xres - 1.0) < 1e-5;
    const bool guessed = std::fabs(xres - 72.0 / kMmPerInch) < 1e-5;
    if (placeholder || (guessed && !declared))
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
        vips::VImage rgb = grey.bandjoin(grey).bandjoin(grey);
        img = img.bands() == 2 ? rgb.bandjoin(img.extract_band(1)) : rgb;
    } else if (img.bands() > 4) {
        img = img.extract_band(0, vips::VImage::option()->set("n", 4));
    }
    return img.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

vips::VImage StretchTo(const vips::VImage& pixels, int width, int height, VipsKernel kernel)
{
    vips::VImage out = pixels;
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

vips::VImage StretchOntoBackground(const vips::VImage& pixels, int width, int height, VipsKernel kernel,
                                   QRgb background)
{
    vips::VImage out = pixels;
    // Flattened before it is sized, as it always was on black, so that black gives the same bytes.
    if (out.bands() == 4)
        out = out.flatten(vips::VImage::option()->set(
            "background", std::vector<double>{static_cast<double>(qRed(background)),
                                              static_cast<double>(qGreen(background)),
                                              static_cast<double>(qBlue(background))}));
    return StretchTo(out, width, height, kernel);
}

vips::VImage PreviewCopy(const vips::VImage& pixels)
{
    const int width = std::min(pixels.width(), kPreviewSide);
    const int height = std::min(pixels.height(), kPreviewSide);
    return CopyToMemory(StretchTo(pixels, width, height, VIPS_KERNEL_LANCZOS3));
}

int JpegShrinkFor(int width, int height, int minWidth, int minHeight)
{
    for (int s : {8, 4, 2}) {
        if (width / s >= minWidth && height / s >= minHeight)
            return s;
    }
    return 1;
}

}  // namespace platform
