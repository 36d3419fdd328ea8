#pragma once
// Private to imaging: uses libvips types.
#include <string>

#include <QByteArray>

#include "imaging/frames/FrameSource.h"

namespace platform {

// Frames decoded by libvips: GIF, TIFF, WebP, HEIF/AVIF, JPEG XL, JPEG 2000.
// A frame that opening decoded whole (its decoder cannot shrink) is kept decoded for the conversion
// while it is the active frame and the file is unchanged; other uses read the file again, at the
// size they need.
class VipsFrameSource final : public FrameSource {
public:
    // localName is the file's name on disk (see LocalFileName); loader the libvips file loader's
    // nickname; pages the file's frame or page count; autoOrient whether frames are turned upright.
    VipsFrameSource(QByteArray localName, std::string loader, int pages, bool autoOrient);

    Guid Dimension() const override;
    int FrameCount() const override { return pages_; }
    FrameInfo Open(int index) const override;
    vips::VImage Render(int index, int width, int height, VipsKernel kernel, QRgb background) const override;

    // Whether the loader reads several frames or pages from one file.
    bool WarningsAreDamage() const override;
    static bool IsPaged(const std::string& loader);

private:
    bool IsWebp() const { return loader_ == "webpload"; }
    // The factor the decoder shrinks by while keeping at least minWidth x minHeight; 1 for
    // decoders that cannot.
    int ShrinkOnLoad(int width, int height, int minWidth, int minHeight) const;
    vips::VImage Load(int index, int shrink) const;
    // The turn that stands the loaded frame header upright.
    RotateFlipType TurnOf(const vips::VImage& header) const;

    // The kept frame: normalised sRGB pixels in memory, as stored (before the turn).
    struct KeptFrame {
        int index = -1;
        vips::VImage pixels;
        std::optional<FileStamp> stamp;
    };

    QByteArray localName_;
    mutable KeptFrame kept_;
    std::string loader_;
    int pages_;
    bool autoOrient_;
};

}  // namespace platform
