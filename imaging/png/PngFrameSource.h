#pragma once
// Private to imaging: uses libvips types.
#include <optional>

#include <QByteArray>

#include "imaging/RowsInOrder.h"
#include "imaging/frames/FrameSource.h"

namespace platform {

class PngDecoder;

// A PNG's one frame, decoded by our own libspng decoder, which checks the file while decoding.
// Opening with the preview decodes the frame whole once, makes the preview from it and keeps it
// for the conversion while the file is unchanged; otherwise each use decodes it anew, row by row,
// in order, so the PNG writer can take the rows meanwhile.
class PngFrameSource final : public FrameSource, public RowsInOrder {
public:
    PngFrameSource(QByteArray localName, bool autoOrient);

    Guid Dimension() const override;
    int FrameCount() const override { return 1; }
    FrameInfo Open(int index) const override;
    vips::VImage Render(int index, int width, int height, VipsKernel kernel, QRgb background) const override;
    std::int64_t WholeFrameBytes() const override { return wholeFrameBytes_; }

private:
    // A decoder at the start of the kept file; throws vips::VError when its header is damaged.
    std::unique_ptr<PngDecoder> Decoder() const;
    // Opening where the frame decodes straight into the pixels kept: no copy of it is made.
    FrameInfo OpenKept(PngDecoder& decoder, FrameInfo info) const;

    struct KeptFrame {
        vips::VImage pixels;  // normalised sRGB, in memory, as stored (before the turn)
        std::optional<FileStamp> stamp;
    };

    QByteArray localName_;
    bool autoOrient_;
    mutable std::optional<KeptFrame> kept_;
    mutable std::int64_t wholeFrameBytes_ = 0;
};

}  // namespace platform
