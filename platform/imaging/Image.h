#pragma once
#include <memory>
#include <vector>

#include <QImage>
#include <QString>

#include "platform/imaging/FrameSource.h"
#include "platform/imaging/Guid.h"
#include "platform/imaging/Status.h"

class QPainter;
class QRect;

namespace platform {

// A photo loaded from a file, with its frame dimensions and its active frame.
// A file that cannot be decoded gives an empty image: its sizes read 0 and drawing it fails.
class Image {
public:
    static std::unique_ptr<Image> LoadFromFile(const QString& path);
    ~Image();

    bool IsEmpty() const { return !active_; }
    unsigned Width() const;
    unsigned Height() const;
    float HorizontalResolution() const;

    unsigned FrameDimensionsCount() const;
    std::vector<Guid> FrameDimensionsList() const;
    unsigned FrameCount(const Guid& dimension) const;
    // Later queries and drawing use that frame; a frame that cannot be decoded empties the image.
    Status SelectActiveFrame(const Guid& dimension, unsigned index);

    // Draws the whole active frame stretched over target (the preview).
    Status DrawStretched(QPainter& painter, const QRect& target) const;

    // The active frame stretched to exactly width x height onto black, as 8-bit RGB; nothing
    // when the image is empty. Decoding runs when the result's pixels are read, and throws
    // vips::VError if the file cannot be decoded then.
    std::optional<vips::VImage> RenderActiveFrame(int width, int height, VipsKernel kernel) const;

private:
    Image() = default;

    std::unique_ptr<FrameSource> source_;
    std::optional<FrameInfo> active_;
    int activeIndex_ = -1;
    // Preview-sized copy of the active frame, remade when the frame or the target size changes.
    mutable QImage previewCache_;
    mutable int previewIndex_ = -1;
};

}  // namespace platform
