#include "convert/FrameNumber.h"

std::optional<int> ClampFrameNumber(int typed, int frameCount)
{
    if (frameCount <= 0)
        return std::nullopt;
    if (typed < 0)
        return 0;
    if (typed >= frameCount)
        return frameCount - 1;
    return typed;
}
