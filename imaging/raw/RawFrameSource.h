#pragma once
// Private to imaging: uses libvips types.
#include <QByteArray>

#include "imaging/frames/FrameSource.h"

namespace platform {

class RawPhoto;

// A camera RAW photo, developed by LibRaw: one frame, like any still photo. Nothing is kept
// developed: each use reads the file again, at the size it needs.
class RawFrameSource final : public FrameSource {
public:
    // localName is the file's name on disk (see LocalFileName); width x height the size of its
    // full development, after orientation; autoOrient whether it is turned as the file records.
    RawFrameSource(QByteArray localName, int width, int height, bool autoOrient);

    // A source for the camera RAW photo read from localName; throws ImagingFailure when its data
    // lies beyond the file or its sensor or its development does not fit the limits. Uses photo up.
    static std::unique_ptr<FrameSource> FromPhoto(const QByteArray& localName, RawPhoto& photo, bool autoOrient);

    Guid Dimension() const override { return FrameDimensionPage; }
    int FrameCount() const override { return 1; }
    FrameInfo Open(int index) const override;
    vips::VImage Render(int index, int width, int height, VipsKernel kernel, QRgb background) const override;

private:
    static std::unique_ptr<FrameSource> FromHeader(const QByteArray& localName, RawPhoto& photo, bool autoOrient);
    // The file and LibRaw's reading of it; throws vips::VError when either cannot be had.
    struct OpenedRaw;
    OpenedRaw OpenRaw() const;

    QByteArray localName_;
    int width_;
    int height_;
    bool autoOrient_;
};

}  // namespace platform
