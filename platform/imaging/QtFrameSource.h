#pragma once
// Private to platform/imaging: uses libvips types.
#include <QByteArray>
#include <QString>

#include "platform/imaging/FrameSource.h"

namespace platform {

// BMP and ICO frames decoded with Qt's readers; libvips reaches them only through ImageMagick.
// These files are small, so the last decoded frame is kept whole.
class QtFrameSource final : public FrameSource {
public:
    // localName is the file's name on disk (see LocalFileName); format "bmp" or "ico".
    QtFrameSource(QByteArray localName, QByteArray format, int count);

    // A source when Qt reads the file's contents as BMP or ICO; nothing otherwise.
    static std::unique_ptr<FrameSource> FromFile(const QByteArray& localName);

    Guid Dimension() const override;
    int FrameCount() const override { return count_; }
    std::optional<FrameInfo> Open(int index) const override;
    vips::VImage Render(int index, int width, int height, VipsKernel kernel) const override;

private:
    bool Decode(int index) const;

    QByteArray localName_;
    QByteArray format_;
    int count_;
    mutable int decodedIndex_ = -1;
    mutable vips::VImage pixels_;
    mutable double dpiX_ = 96.0;
};

}  // namespace platform
