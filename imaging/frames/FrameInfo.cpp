#include "imaging/frames/FrameInfo.h"

#include "imaging/frames/PhotoOrientation.h"
#include "imaging/frames/PixelPipeline.h"
#include "imaging/frames/SrgbConversion.h"

namespace platform {

FrameInfo FrameInfoFor(int storedWidth, int storedHeight, double dpiX, RotateFlipType turn)
{
    FrameInfo info;
    info.turn = turn;
    const bool swapped = SwapsSides(turn);
    info.width = swapped ? storedHeight : storedWidth;
    info.height = swapped ? storedWidth : storedHeight;
    info.dpiX = dpiX;
    return info;
}

FrameInfo FrameInfoFor(const vips::VImage& header, RotateFlipType turn)
{
    FrameInfo info = FrameInfoFor(header.width(), header.height(), ResolutionOrDefault(header), turn);
    info.profileIgnored = ConvertedToSrgb(header).profileIgnored;
    return info;
}

}  // namespace platform
