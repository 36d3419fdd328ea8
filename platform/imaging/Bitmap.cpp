#include "platform/imaging/Bitmap.h"

#include <cmath>

#include <glib.h>
#include <vips/vips8>

#include "platform/imaging/AtomicFileWriter.h"
#include "platform/imaging/Encoders.h"
#include "platform/imaging/Image.h"
#include "platform/imaging/ImageImpl.h"
#include "platform/imaging/ImagingLimits.h"
#include "platform/imaging/PngWriter.h"

namespace platform {
namespace {

VipsKernel KernelFor(InterpolationMode mode)
{
    switch (mode) {
    case InterpolationMode::NearestNeighbor: return VIPS_KERNEL_NEAREST;
    case InterpolationMode::Bilinear:
    case InterpolationMode::HighQualityBilinear: return VIPS_KERNEL_LINEAR;
    default: return VIPS_KERNEL_CUBIC;
    }
}

}  // namespace

void Bitmap::GFree::operator()(std::uint8_t* p) const
{
    g_free(p);
}

std::unique_ptr<Bitmap> Bitmap::Create(int width, int height)
{
    std::unique_ptr<Bitmap> bitmap(new Bitmap);
    if (!FitsImageLimit(width, height))
        return bitmap;
    const gsize bytes = static_cast<gsize>(width) * static_cast<gsize>(height) * 3;
    auto* p = static_cast<std::uint8_t*>(g_try_malloc0(bytes));
    if (!p)
        return bitmap;
    bitmap->pixels_.reset(p);
    bitmap->width_ = width;
    bitmap->height_ = height;
    return bitmap;
}

Bitmap::~Bitmap() = default;

Status Bitmap::SetResolution(float dpiX, float dpiY)
{
    if (IsEmpty())
        return Status::WrongState;
    // A photo that reports no resolution (one that failed to decode) leaves the default.
    if (dpiX > 0 && std::isfinite(dpiX))
        dpiX_ = dpiX;
    if (dpiY > 0 && std::isfinite(dpiY))
        dpiY_ = dpiY;
    return Status::Ok;
}

Status Bitmap::SetInterpolationMode(InterpolationMode mode)
{
    if (IsEmpty())
        return Status::WrongState;
    interpolation_ = mode;
    return Status::Ok;
}

Status Bitmap::DrawImage(const Image& source)
{
    if (IsEmpty())
        return Status::WrongState;
    if (!source.impl_)
        return Status::WrongState;
    try {
        const auto rendered = source.impl_->RenderActiveFrame(width_, height_, KernelFor(interpolation_));
        if (!rendered)
            return Status::WrongState;
        // The bitmap adopts the buffer libvips renders into: no second full-size copy.
        size_t bytes = 0;
        auto* data = static_cast<std::uint8_t*>(rendered->write_to_memory(&bytes));
        if (bytes != static_cast<size_t>(width_) * height_ * 3) {
            g_free(data);
            return Status::GenericError;
        }
        pixels_.reset(data);
        return Status::Ok;
    } catch (const std::exception&) {  // vips::VError, or memory running out
        vips_error_clear();
        return Status::OutOfMemory;
    }
}

Status Bitmap::RotateFlip(RotateFlipType type)
{
    if (IsEmpty())
        return Status::WrongState;
    const int value = static_cast<int>(type);
    if (value < 0 || value > 7)
        return Status::InvalidParameter;
    if (value == 0)
        return Status::Ok;
    static constexpr VipsAngle kAngles[] = {VIPS_ANGLE_D0, VIPS_ANGLE_D90, VIPS_ANGLE_D180, VIPS_ANGLE_D270};
    try {
        vips::VImage px = vips::VImage::new_from_memory(pixels_.get(), static_cast<size_t>(Stride()) * height_,
                                                        width_, height_, 3, VIPS_FORMAT_UCHAR);
        if (value % 4 != 0)
            px = px.rot(kAngles[value % 4]);
        if (value >= 4)
            px = px.flip(VIPS_DIRECTION_HORIZONTAL);
        size_t bytes = 0;
        auto* data = static_cast<std::uint8_t*>(px.write_to_memory(&bytes));
        const int w = px.width();
        const int h = px.height();
        px = vips::VImage();  // drop the view of the old pixels before freeing them
        pixels_.reset(data);
        width_ = w;
        height_ = h;
        return Status::Ok;
    } catch (const std::exception&) {  // vips::VError, or memory running out
        vips_error_clear();
        return Status::OutOfMemory;
    }
}

Status Bitmap::Save(const QString& path, const Guid& encoder) const
{
    if (IsEmpty())
        return Status::WrongState;
    if (!(encoder == kPngEncoderClsid))
        return Status::FileNotFound;
    const RgbRows rows{pixels_.get(), width_, height_, Stride()};
    const double dpi = dpiX_;
    try {
        const bool ok = WriteFileAtomically(path, [&](const ByteSink& sink) {
            return WritePng(rows, dpi, sink);
        });
        return ok ? Status::Ok : Status::Win32Error;
    } catch (const std::exception&) {  // memory running out before the file was started
        return Status::Win32Error;
    }
}

}  // namespace platform
