#pragma once
// Private to imaging: uses libvips types.
#include <QColor>
#include <vips/vips8>

namespace platform {

inline constexpr double kDefaultDpi = 96.0;

// Each side of a frame's preview copy: at most this, and at least this where the frame has it.
// The preview area is about 196 x 125 pixels with the dialog's font, 392 x 250 at a device pixel
// ratio of 2: it is not upsampled there.
inline constexpr int kPreviewSide = 512;

// The resolution a loader reports, or 96 dpi where the photo carries none of its own.
double ResolutionOrDefault(const vips::VImage& image);

// Turns any decoded picture into 8-bit sRGB with 3 bands, or 4 when it has alpha.
vips::VImage NormalisePixels(const vips::VImage& image);

// pixels stretched to exactly width x height with independent scales, keeping their bands.
vips::VImage StretchTo(const vips::VImage& pixels, int width, int height, VipsKernel kernel);

// pixels (3 or 4 bands) stretched to exactly width x height with independent scales,
// composited onto background (black unless a batch asks for another), as 8-bit RGB.
vips::VImage StretchOntoBackground(const vips::VImage& pixels, int width, int height, VipsKernel kernel,
                                   QRgb background);

// A small copy of pixels in memory for the preview, each side shrunk on its own to at most
// kPreviewSide (the preview stretches the frame anyway). Throws as CopyToMemory does.
vips::VImage PreviewCopy(const vips::VImage& pixels);

// The largest shrink-on-load factor of libvips' JPEG loader (for a RAW's embedded preview) that
// keeps at least minWidth x minHeight pixels.
int JpegShrinkFor(int width, int height, int minWidth, int minHeight);

}  // namespace platform
