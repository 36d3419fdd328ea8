#include "imaging/Image.h"
#include "imaging/details/ReadPhotoDetails.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRect>

#include "imaging/ImageImpl.h"
#include "imaging/frames/PixelPipeline.h"
#include "imaging/VipsGuard.h"

namespace platform {
namespace {

// The frame's preview copy stretched to exactly size, as a QImage for painting; a null image
// when that fails.
QImage StretchedCopy(const FrameInfo& frame, const QSize& size)
{
    return VipsGuarded(QImage(), [&] {
        vips::VImage px = StretchTo(frame.preview, size.width(), size.height(), VIPS_KERNEL_LINEAR);
        if (px.bands() == 3)
            px = px.bandjoin_const({255});
        size_t bytes = 0;
        void* data = px.write_to_memory(&bytes);
        return QImage(static_cast<const uchar*>(data), size.width(), size.height(), size.width() * 4,
                      QImage::Format_RGBA8888, [](void* p) { g_free(p); }, data);
    });
}

}  // namespace

bool ImageImpl::HasActiveFrame() const
{
    return active && source;
}

vips::VImage ImageImpl::RenderActiveFrame(int width, int height, VipsKernel kernel, QRgb background) const
{
    if (!HasActiveFrame())
        throw vips::VError("no frame is active");
    return source->Render(activeIndex, width, height, kernel, background);
}

RotateFlipType ImageImpl::ActiveTurn() const
{
    return active ? active->turn : RotateFlipType::RotateNoneFlipNone;
}

Image::Image() = default;
Image::~Image() = default;

std::unique_ptr<Image> Image::LoadFromFile(const QString& path, bool withPreview, bool autoOrient,
                                           std::optional<PhotoFormat> format)
{
    std::unique_ptr<Image> image(new Image);
    // A file that cannot be opened leaves the image empty, saying why.
    auto impl = std::make_unique<ImageImpl>();
    const bool opened = VipsGuarded(false, image->failure_, [&] {
        impl->source = OpenFrameSource(path, autoOrient, format);
        impl->source->SetPreviewWanted(withPreview);
        impl->active = impl->source->Open(0);
        impl->activeIndex = 0;
        return true;
    });
    if (opened)
        image->impl_ = std::move(impl);
    else if (impl->source)
        image->failure_ = impl->source->Explained(image->failure_);
    return image;
}

bool Image::IsEmpty() const
{
    return !impl_ || !impl_->active;
}

unsigned Image::Width() const
{
    return IsEmpty() ? 0 : static_cast<unsigned>(impl_->active->width);
}

unsigned Image::Height() const
{
    return IsEmpty() ? 0 : static_cast<unsigned>(impl_->active->height);
}

float Image::HorizontalResolution() const
{
    return IsEmpty() ? 0.0f : static_cast<float>(impl_->active->dpiX);
}

bool Image::ColourProfileIgnored() const
{
    return !IsEmpty() && impl_->active->profileIgnored;
}

bool Image::Warned(PhotoWarning warning) const
{
    return impl_ && impl_->source && impl_->source->Warned(warning);
}

std::int64_t Image::WholeFrameBytes() const
{
    return IsEmpty() ? 0 : impl_->source->WholeFrameBytes();
}

PhotoDetails Image::Details() const
{
    if (!impl_ || !impl_->source || impl_->source->KeptFile() < 0)
        return {};
    PhotoDetails details = ReadPhotoDetails(impl_->source->KeptFile(), impl_->source->Format());
    if (details.Damaged())
        impl_->source->Warn(PhotoWarning::DetailsDropped);
    return details;
}

unsigned Image::FrameDimensionsCount() const
{
    return impl_ ? 1 : 0;
}

std::vector<Guid> Image::FrameDimensionsList() const
{
    if (!impl_)
        return {};
    try {
        return {impl_->source->Dimension()};
    } catch (const std::bad_alloc&) {
        return {};
    }
}

unsigned Image::FrameCount(const Guid& dimension) const
{
    if (!impl_ || !(dimension == impl_->source->Dimension()))
        return 0;
    return static_cast<unsigned>(impl_->source->FrameCount());
}

Status Image::SelectActiveFrame(const Guid& dimension, unsigned index)
{
    if (!impl_ || !(dimension == impl_->source->Dimension()))
        return Status::InvalidParameter;
    if (index >= static_cast<unsigned>(impl_->source->FrameCount()))
        return Status::InvalidParameter;
    ImageImpl& d = *impl_;
    if (d.active && d.activeIndex == static_cast<int>(index))
        return Status::Ok;
    d.previewCache = QImage();
    d.previewIndex = -1;
    failure_ = {};
    d.active = VipsGuarded(std::optional<FrameInfo>(), failure_,
                           [&] { return std::optional<FrameInfo>(d.source->Open(static_cast<int>(index))); });
    d.activeIndex = static_cast<int>(index);
    if (!d.active)
        failure_ = d.source->Explained(failure_);
    return d.active ? Status::Ok : Status::GenericError;
}

Status Image::DrawStretched(QPainter& painter, const QRect& target) const
{
    if (IsEmpty())
        return Status::WrongState;
    if (target.width() <= 0 || target.height() <= 0)
        return Status::InvalidParameter;
    // Made at the device's pixel size, so a high-density screen shows the frame's own detail.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize().expandedTo(QSize(1, 1));
    ImageImpl& d = *impl_;
    if (d.previewIndex != d.activeIndex || d.previewCache.size() != pixels) {
        d.previewCache = StretchedCopy(*d.active, pixels);
        d.previewIndex = d.activeIndex;
    }
    if (d.previewCache.isNull())
        return Status::OutOfMemory;
    painter.drawImage(QRectF(target), d.previewCache);
    return Status::Ok;
}

}  // namespace platform
