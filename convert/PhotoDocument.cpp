#include "convert/PhotoDocument.h"

#include <algorithm>
#include <cstdint>

void PhotoDocument::Open(const QString& path, bool withPreview, bool autoOrient, std::optional<platform::PhotoFormat> format)
{
    // The old photo goes first, so two large photos are never held at once.
    image_.reset();
    dimensionIds_.clear();
    frameCounts_.fill(0);
    path_ = path;
    image_ = platform::Image::LoadFromFile(path_, withPreview, autoOrient, format);
}

int PhotoDocument::Width() const
{
    return image_ ? static_cast<int>(std::min<unsigned>(image_->Width(), INT32_MAX)) : 0;
}

int PhotoDocument::Height() const
{
    return image_ ? static_cast<int>(std::min<unsigned>(image_->Height(), INT32_MAX)) : 0;
}

float PhotoDocument::HorizontalResolution() const
{
    return image_ ? image_->HorizontalResolution() : 0.0f;
}

void PhotoDocument::ListFrameDimensions()
{
    dimensionIds_.clear();
    frameCounts_.fill(0);
    if (!image_)
        return;
    dimensionIds_ = image_->FrameDimensionsList();
    // Only as many dimensions as the frame counts can hold are listed.
    if (dimensionIds_.size() > kMaxFrameDimensions)
        dimensionIds_.resize(kMaxFrameDimensions);
    for (std::size_t i = 0; i < dimensionIds_.size(); ++i)
        frameCounts_[i] = static_cast<int>(std::min<unsigned>(image_->FrameCount(dimensionIds_[i]), INT32_MAX));
}

int PhotoDocument::FrameCount(int dimension) const
{
    if (dimension < 0 || static_cast<unsigned>(dimension) >= DimensionCount())
        return 0;
    return frameCounts_[static_cast<std::size_t>(dimension)];
}

platform::Status PhotoDocument::SelectFrame(int dimension, int frame)
{
    if (!image_ || frame < 0 || frame >= FrameCount(dimension))
        return platform::Status::InvalidParameter;
    return image_->SelectActiveFrame(dimensionIds_[static_cast<std::size_t>(dimension)], static_cast<unsigned>(frame));
}

platform::Status PhotoDocument::DrawPreview(QPainter& painter, const QRect& target) const
{
    if (!image_)
        return platform::Status::WrongState;
    return image_->DrawStretched(painter, target);
}
