#pragma once
#include <cstdint>

#include <QString>

// Longest face name a font record holds.
inline constexpr int kFaceNameChars = 31;

// A logical-font record, field for field as stored: the overlay font and the per-language
// interface font. Sizes are in pixels; a negative height is the character (em) height, a
// positive one the cell height.
struct LOGFONTW {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    QString lfFaceName;  // at most kFaceNameChars characters

    friend bool operator==(const LOGFONTW&, const LOGFONTW&) = default;
};

// A colour as stored: red in bits 0-7, green in 8-15, blue in 16-23.
using COLORREF = std::uint32_t;
