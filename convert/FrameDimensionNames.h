#pragma once
#include <QString>

#include "imaging/Guid.h"

// Most frame dimensions a photo may list; more are beyond what the program keeps.
inline constexpr unsigned kMaxFrameDimensions = 100;

// The name shown for a frame dimension: its published name, or "Dimension<position>".
QString FrameDimensionName(const platform::Guid& dimension, int position);
