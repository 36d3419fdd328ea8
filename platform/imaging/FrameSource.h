#pragma once
#include <memory>
#include <optional>

#include <QString>
#include <vips/vips8>

#include "platform/imaging/Guid.h"

namespace platform {

// One decoded frame: 8-bit sRGB pixels in memory (3 bands, or 4 with alpha) and its resolution.
struct DecodedFrame {
    vips::VImage pixels;
    double dpiX = 96.0;
};

// Where the frames of one photo file come from. Frames are decoded whole, so a file that
// cannot be decoded completely is refused instead of showing partly grey or black.
class FrameSource {
public:
    virtual ~FrameSource() = default;
    virtual Guid Dimension() const = 0;
    virtual int FrameCount() const = 0;
    // Decodes frame index; nothing when it cannot be decoded whole or is too large.
    virtual std::optional<DecodedFrame> Decode(int index) const = 0;
};

// A source for the file, or nothing when no allowed decoder takes it.
std::unique_ptr<FrameSource> OpenFrameSource(const QString& path);

// The resolution a loader reports, or 96 dpi where the photo carries none of its own.
double ResolutionOrDefault(const vips::VImage& image);

// Turns any decoded picture into 8-bit sRGB with 3 bands, or 4 when it has alpha.
vips::VImage NormalisePixels(const vips::VImage& image);

}  // namespace platform
