#pragma once
// Private to imaging: uses libvips types.
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QString>

#include "imaging/frames/FrameSource.h"
#include "imaging/checks/PhotoFormat.h"

namespace platform {

// BMP and ICO frames decoded with Qt's readers; libvips reaches them only through ImageMagick.
// These files are small, so the last decoded frame is kept whole.
class QtFrameSource final : public FrameSource {
public:
    // localName is the file's name on disk (see LocalFileName); format "bmp" or "ico"; images
    // the reader's indexes of the images offered as frames.
    QtFrameSource(QByteArray localName, QByteArray format, std::vector<int> images);

    // A source for the file open on fd, whose first bytes announce format (Bmp or Ico); throws
    // ImagingFailure when its pixel data is cut short or it holds no image.
    static std::unique_ptr<FrameSource> FromFile(const QByteArray& localName, int fd, PhotoFormat format);

    Guid Dimension() const override;
    int FrameCount() const override { return static_cast<int>(images_.size()); }
    FrameInfo Open(int index) const override;
    vips::VImage Render(int index, int width, int height, VipsKernel kernel, QRgb background) const override;

private:
    void Decode(int index) const;

    QByteArray localName_;
    QByteArray format_;
    std::vector<int> images_;
    mutable int decodedIndex_ = -1;
    mutable QImage decoded_;  // the frame's pixels, which pixels_ shows to libvips
    mutable vips::VImage pixels_;
    mutable double dpiX_ = 96.0;
};

}  // namespace platform
