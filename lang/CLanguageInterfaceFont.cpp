// The interface font of the current language: made from its settings section, and stored there.
#include <QFontInfo>

#include "lang/CLanguage.h"
#include "services/Prompts.h"
#include "settings/FontRecordConversion.h"
#include "settings/FontRecordStore.h"

bool CLanguage::CreateInterfaceFont()
{
    const QFont font = FontFromRecord(LoadFontRecord(m_strCurrentLanguage, InterfaceFontDefaults()));
    // The font system substitutes an unknown face; only with no font at all is there nothing to use.
    if (QFontInfo(font).family().isEmpty()) {
        m_fontInterface.reset();
        platform::CurrentPrompts().MessageBox(nullptr, QStringLiteral("Failed to create font"),
                                              QStringLiteral("Error"), platform::MB_OK);
        return false;
    }
    m_fontInterface = font;
    return true;
}

bool CLanguage::SaveInterfaceFont(const QFont& font)
{
    const LOGFONTW record = RecordFromFont(font);
    SaveFontRecord(m_strCurrentLanguage, record);
    m_fontInterface = FontFromRecord(record);
    return true;
}
