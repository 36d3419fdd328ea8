#pragma once
#include <QSize>

// How the output's size follows from the photo's, the same for the window and the command line.
struct SizeRule {
    enum class Mode {
        Keep,    // the photo's own size
        Width,   // width W, the height keeping the aspect ratio
        Height,  // height H, the width keeping the aspect ratio
        Fit,     // within W x H, keeping the aspect ratio
        Exact,   // exactly W x H
    };
    Mode mode = Mode::Keep;
    int width = 0;
    int height = 0;
    // A photo already within the size keeps its own size.
    bool noEnlarge = false;
};

// The output size of a photoWidth x photoHeight photo under rule. A side kept at the aspect ratio
// is truncated as the window's calculator truncates it (KeepRatio.h), so it may come out 0 with
// Width or Height, which the conversion then refuses; Fit always gives at least one pixel a side,
// since the box it fits in has.
QSize OutputSizeOf(const SizeRule& rule, int photoWidth, int photoHeight);
