#pragma once
#include <optional>

#include <QColor>

#include "imaging/details/DetailsChoice.h"
#include "imaging/png/PngEffort.h"

// The highest resolution taken, in dots per inch: ten times what a print shop asks for.
inline constexpr int kMaxDpi = 10000;

// What of the photo's own goes with the picture beyond its pixels, what its transparent pixels
// lie on, and how hard its file is packed.
struct OutputKeeping {
    platform::DetailsChoice details = platform::DetailsChoice::None;
    bool dateAsTaken = false;  // the file dated when the photo was taken
    std::optional<int> dpi;    // the resolution written; the photo's own when unset
    platform::PngEffort png = platform::PngEffort::Normal;
    QRgb background = qRgb(0, 0, 0);  // the main window's always; a batch may choose another
};
