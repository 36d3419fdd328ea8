#pragma once
#include <QColor>
#include <QFont>

#include "settings/LogFont.h"

// Largest character height, in pixels, a record may ask for; anything larger draws at this size
// (no picture the program makes is taller than this).
inline constexpr int kMaxFontPixels = 16384;

// The font a record describes. A negative height is the em height in pixels, a positive one the
// cell height (the em is smaller by the font's internal leading), 0 the default size. The weight
// keeps its 1-1000 scale (0 is normal); italic, underline, strike-out, the face name and a
// non-zero average width carry over. Escapement, orientation, character set and precisions do
// not change the drawing. A face that is not installed is substituted by the font system.
QFont FontFromRecord(const LOGFONTW& record);

// The record of a font as the font system resolves it: its em height in pixels as a negative
// height, weight, italic, underline, strike-out and family (cut to kFaceNameChars); every other
// field 0.
LOGFONTW RecordFromFont(const QFont& font);

// The opaque colour of a stored colour's red, green and blue bytes; bits 24-31 are not used.
QColor ColourFromColorref(COLORREF colour);
COLORREF ColorrefFromColour(const QColor& colour);
