#pragma once
#include <vector>

#include "lang/CLanguage.h"

// The language manager's stores, for tests that look at what a file loaded or plant texts.
class CLanguageProbe {
public:
    static QStringList& LanguageNames(CLanguage& l) { return l.m_arrLanguageNames; }
    static std::vector<TextEntry>& StringTexts(CLanguage& l) { return l.m_arrStringTexts; }
    static std::vector<TextEntry>& DialogTexts(CLanguage& l) { return l.m_arrDialogTexts; }
    static std::vector<TextEntry>& MenuTexts(CLanguage& l) { return l.m_arrMenuTexts; }
    static QString& BaseFolder(CLanguage& l) { return l.m_strBaseFolder; }
};
