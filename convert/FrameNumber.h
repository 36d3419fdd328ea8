#pragma once
#include <optional>

// The frame number typed brought into 0 .. frameCount - 1; nothing when there is no frame.
std::optional<int> ClampFrameNumber(int typed, int frameCount);
