#include "settings/FontRecordStore.h"

#include "services/SettingsStore.h"

using platform::SettingsStore;

namespace {

// The record's stored fields in their order; the face name follows them.
struct IntField {
    const char* key;
    std::int32_t LOGFONTW::*member;
};
struct ByteField {
    const char* key;
    std::uint8_t LOGFONTW::*member;
};
constexpr IntField kIntFields[] = {
    {"lfHeight", &LOGFONTW::lfHeight},         {"lfWidth", &LOGFONTW::lfWidth},
    {"lfEscapement", &LOGFONTW::lfEscapement}, {"lfOrientation", &LOGFONTW::lfOrientation},
    {"lfWeight", &LOGFONTW::lfWeight},
};
constexpr ByteField kByteFields[] = {
    {"lfItalic", &LOGFONTW::lfItalic},
    {"lfUnderline", &LOGFONTW::lfUnderline},
    {"lfStrikeOut", &LOGFONTW::lfStrikeOut},
    {"lfCharSet", &LOGFONTW::lfCharSet},
    {"lfOutPrecision", &LOGFONTW::lfOutPrecision},
    {"lfClipPrecision", &LOGFONTW::lfClipPrecision},
    {"lfPitchAndFamily", &LOGFONTW::lfPitchAndFamily},
};
const QString kFaceNameKey = QStringLiteral("lfFaceName");

}  // namespace

LOGFONTW OverlayFontDefaults()
{
    LOGFONTW f;
    f.lfHeight = -13;
    f.lfWeight = 400;
    return f;
}

LOGFONTW InterfaceFontDefaults()
{
    LOGFONTW f;
    f.lfHeight = -11;
    f.lfWeight = 400;
    f.lfFaceName = QStringLiteral("Microsoft Sans Serif");
    return f;
}

LOGFONTW LoadFontRecord(const QString& section, const LOGFONTW& defaults)
{
    LOGFONTW record;
    for (const auto& f : kIntFields)
        record.*f.member = SettingsStore::GetProfileInt(section, QLatin1String(f.key), defaults.*f.member);
    for (const auto& f : kByteFields) {
        const int stored = SettingsStore::GetProfileInt(section, QLatin1String(f.key), defaults.*f.member);
        record.*f.member = static_cast<std::uint8_t>(stored & 0xFF);
    }
    record.lfFaceName = SettingsStore::GetProfileString(section, kFaceNameKey, defaults.lfFaceName).left(kFaceNameChars);
    return record;
}

void SaveFontRecord(const QString& section, const LOGFONTW& record)
{
    for (const auto& f : kIntFields)
        SettingsStore::WriteProfileInt(section, QLatin1String(f.key), record.*f.member);
    for (const auto& f : kByteFields)
        SettingsStore::WriteProfileInt(section, QLatin1String(f.key), record.*f.member);
    SettingsStore::WriteProfileString(section, kFaceNameKey, record.lfFaceName.left(kFaceNameChars));
}
