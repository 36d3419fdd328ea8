#pragma once
// Private to imaging: uses libvips types.
#include <memory>
#include <optional>

#include <QImage>
#include <vips/vips8>

#include "imaging/frames/FrameSource.h"

namespace platform {

// What an opened Image holds: its frames' source, the active frame, and the preview kept of it.
struct ImageImpl {
    std::unique_ptr<FrameSource> source;
    std::optional<FrameInfo> active;  // nothing once a frame failed to open
    int activeIndex = -1;
    // Preview-sized copy of the active frame, remade when the frame or the target size changes.
    QImage previewCache;
    int previewIndex = -1;

    bool HasActiveFrame() const;
    // The active frame as stored (before ActiveTurn) stretched to exactly width x height onto
    // background, as 8-bit RGB. Throws vips::VError when no frame is active; decoding runs when the
    // result's pixels are read, and throws vips::VError (or std::bad_alloc) if the file cannot be
    // decoded then.
    vips::VImage RenderActiveFrame(int width, int height, VipsKernel kernel, QRgb background) const;
    // The turn that stands the rendered active frame upright.
    RotateFlipType ActiveTurn() const;
};

}  // namespace platform
