#pragma once
#include <QString>

#include "settings/LogFont.h"

// Defaults of the overlay font record (section "CurrentFont") and of the interface font record
// (the section named after the language).
LOGFONTW OverlayFontDefaults();
LOGFONTW InterfaceFontDefaults();

// Reads the thirteen stored keys of a font record from section, each missing key taking its
// default; byte fields take the low 8 bits and the face name is cut to kFaceNameChars. The
// quality field is never stored and reads 0.
LOGFONTW LoadFontRecord(const QString& section, const LOGFONTW& defaults);

// Writes the thirteen keys in their fixed order: five integers, seven bytes, the face name.
void SaveFontRecord(const QString& section, const LOGFONTW& record);
