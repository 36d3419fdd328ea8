#pragma once

// Where the text line goes on a picture of width x height: a coordinate outside the picture
// (the limit is exclusive, negatives are outside) is moved to 0, and said so.
struct OverlayPosition {
    int x = 0;
    int y = 0;
    bool xReset = false;
    bool yReset = false;
};
OverlayPosition CorrectOverlayPosition(int x, int y, int width, int height);
