#pragma once
#include <vector>

#include <QString>

#include "lang/TextEntry.h"

// The language manager: the current language's texts, with the built-in texts behind them.
class CLanguage {
public:
    // The message text of id: the language's text when it has one, else the built-in text.
    QString GetString(int id) const;
    // The name of the current language, as stored under "CurrentLanguage".
    QString GetCurrentLanguage() const { return m_strCurrentLanguage; }

    QString m_strCurrentLanguage = QStringLiteral("english");

    std::vector<TextEntry> m_arrStringTexts;  // message texts of the current language
};

// The one language manager of the process.
extern CLanguage theLanguage;
