#pragma once
// Private to imaging: uses libvips types.
#include <vips/vips8>

#include "imaging/RotateFlipType.h"

namespace platform {

// What opening a frame tells: its size and resolution, and a small copy for the preview, all of
// the frame as it stands upright. Where the preview is wanted, opening decodes the whole frame
// once (shrunk where the decoder can), so a file that cannot be decoded completely is refused at
// once instead of showing partly grey or black. Without the preview only the header is read, and
// damage shows when rendering.
struct FrameInfo {
    int width = 0;  // upright
    int height = 0;
    double dpiX = 96.0;
    vips::VImage preview;  // 8-bit sRGB, 3 bands or 4 with alpha, in memory, upright
    // The turn from the frame as Render gives it to the upright frame (the camera's orientation).
    RotateFlipType turn = RotateFlipType::RotateNoneFlipNone;
    bool profileIgnored = false;  // its colour profile was unusable: its pixels are taken as sRGB
};

// The one way a frame source fills in what opening tells, from the frame's stored size and its
// turn to upright: the sides swap where the turn is a quarter turn.
FrameInfo FrameInfoFor(int storedWidth, int storedHeight, double dpiX,
                       RotateFlipType turn = RotateFlipType::RotateNoneFlipNone);
// The same from a libvips header, with the resolution it carries (or the default) and whether
// its colour profile is unusable.
FrameInfo FrameInfoFor(const vips::VImage& header, RotateFlipType turn);

}  // namespace platform
