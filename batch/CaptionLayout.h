#pragma once
#include <QFont>
#include <QSize>
#include <QString>

#include "batch/CaptionStyle.h"

// The smallest caption drawn: below it a caption is no longer read, and the photo fails instead.
inline constexpr int kSmallestCaptionPixels = 4;

// A caption laid out on one picture.
struct CaptionLayout {
    QFont font;            // at the size it is drawn
    int x = 0;             // the top-left corner of its line
    int y = 0;
    int pixels = 0;        // its height as drawn
    int askedPixels = 0;   // its height as the style asks
    bool fits = true;      // false: even at kSmallestCaptionPixels it does not fit
    bool fontMissing = false;  // no font is installed at all: nothing can be drawn
};

// Where text in style stands on a picture of size, and how large: the size the style asks, made
// smaller (never cut) until it fits within the margins or, at a point, within the picture right of
// and below it. A point outside the picture is left for the drawing to tell and move.
CaptionLayout LayOutCaption(const QString& text, const CaptionStyle& style, const QSize& picture);
