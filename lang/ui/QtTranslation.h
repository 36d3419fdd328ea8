#pragma once
#include <QString>

// Puts Qt's own texts (message-box buttons, file and font dialogs) into the language, through its
// POSIX locale, replacing those of the language before. A language Qt has no translation for
// leaves them English.
void LoadQtTranslation(const QString& language);
