#include "platform/imaging/Image.h"

#include <QPainter>
#include <QRect>

#include "platform/imaging/PixelPipeline.h"

namespace platform {
namespace {

// The frame's preview copy stretched to exactly size, as a QImage for painting.
QImage StretchedCopy(const FrameInfo& frame, const QSize& size)
{
    try {
        vips::VImage px = StretchTo(frame.preview, size.width(), size.height(), VIPS_KERNEL_LINEAR);
        if (px.bands() == 3)
            px = px.bandjoin_const({255});
        size_t bytes = 0;
        void* data = px.write_to_memory(&bytes);
        QImage image(static_cast<const uchar*>(data), size.width(), size.height(), size.width() * 4,
                     QImage::Format_RGBA8888, [](void* p) { g_free(p); }, data);
        return image;
    } catch (const vips::VError&) {
        vips_error_clear();
        return {};
    }
}

}  // namespace

std::unique_ptr<Image> Image::LoadFromFile(const QString& path)
{
    std::unique_ptr<Image> image(new Image);
    image->source_ = OpenFrameSource(path);
    if (image->source_) {
        image->active_ = image->source_->Open(0);
        image->activeIndex_ = 0;
        if (!image->active_)
            image->source_.reset();
    }
    return image;
}

Image::~Image() = default;

unsigned Image::Width() const
{
    return active_ ? static_cast<unsigned>(active_->width) : 0;
}

unsigned Image::Height() const
{
    return active_ ? static_cast<unsigned>(active_->height) : 0;
}

float Image::HorizontalResolution() const
{
    return active_ ? static_cast<float>(active_->dpiX) : 0.0f;
}

unsigned Image::FrameDimensionsCount() const
{
    return source_ ? 1 : 0;
}

std::vector<Guid> Image::FrameDimensionsList() const
{
    if (!source_)
        return {};
    return {source_->Dimension()};
}

unsigned Image::FrameCount(const Guid& dimension) const
{
    if (!source_ || !(dimension == source_->Dimension()))
        return 0;
    return static_cast<unsigned>(source_->FrameCount());
}

Status Image::SelectActiveFrame(const Guid& dimension, unsigned index)
{
    if (!source_ || !(dimension == source_->Dimension()))
        return Status::InvalidParameter;
    if (index >= static_cast<unsigned>(source_->FrameCount()))
        return Status::InvalidParameter;
    if (active_ && activeIndex_ == static_cast<int>(index))
        return Status::Ok;
    active_ = source_->Open(static_cast<int>(index));
    activeIndex_ = static_cast<int>(index);
    previewCache_ = QImage();
    previewIndex_ = -1;
    return active_ ? Status::Ok : Status::GenericError;
}

std::optional<vips::VImage> Image::RenderActiveFrame(int width, int height, VipsKernel kernel) const
{
    if (!active_ || !source_)
        return std::nullopt;
    return source_->Render(activeIndex_, width, height, kernel);
}

Status Image::DrawStretched(QPainter& painter, const QRect& target) const
{
    if (!active_)
        return Status::WrongState;
    if (target.width() <= 0 || target.height() <= 0)
        return Status::InvalidParameter;
    if (previewIndex_ != activeIndex_ || previewCache_.size() != target.size()) {
        previewCache_ = StretchedCopy(*active_, target.size());
        previewIndex_ = activeIndex_;
    }
    if (previewCache_.isNull())
        return Status::OutOfMemory;
    painter.drawImage(target.topLeft(), previewCache_);
    return Status::Ok;
}

}  // namespace platform
