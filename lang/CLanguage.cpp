#include "lang/CLanguage.h"

#include "res/StringTable.h"

CLanguage theLanguage;

QString CLanguage::GetString(int id) const
{
    for (const TextEntry& entry : m_arrStringTexts) {
        if (entry.nID == id) {
            if (!entry.strText.isEmpty())
                return entry.strText;
            break;
        }
    }
    return LoadResourceString(id);
}
