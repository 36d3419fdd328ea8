#pragma once
// Private to imaging: uses libvips types.
#include <QByteArray>

#include "imaging/RowsInOrder.h"
#include "imaging/frames/FrameSource.h"

namespace platform {

class JpegDecoder;

// A JPEG's one frame, decoded by our own libjpeg decoder at the smallest scale each use needs,
// checking the data while decoding: opening with the preview decodes once, for the preview and the
// check; a conversion decodes once more, at its own scale. The header (size, resolution,
// orientation, colour profile) is read by libvips, as for every other format. The conversion's
// rows are decoded in order as they are drawn, so the PNG writer can take them meanwhile.
class JpegFrameSource final : public FrameSource, public RowsInOrder {
public:
    JpegFrameSource(QByteArray localName, bool autoOrient);

    Guid Dimension() const override;
    int FrameCount() const override { return 1; }
    FrameInfo Open(int index) const override;
    vips::VImage Render(int index, int width, int height, VipsKernel kernel, QRgb background) const override;

private:
    vips::VImage Header() const;
    // The frame's pixels at the smallest scale that keeps at least minWidth x minHeight, in sRGB
    // through its profile; throws vips::VError when the file cannot be decoded.
    vips::VImage Pixels(const vips::VImage& header, int minWidth, int minHeight) const;

    QByteArray localName_;
    bool autoOrient_;
};

}  // namespace platform
