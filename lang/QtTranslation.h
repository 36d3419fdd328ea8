#pragma once
#include <QString>
#include <QStringList>

// Puts Qt's own texts (message-box buttons, file and font dialogs) and the program's own texts that
// no language file holds (the command line's messages and --help, the font dialog's words, the help
// viewer, Convert Several Photos) into the language, through its POSIX locale, replacing those of
// the language before. Ours are pictorelle_<locale>.qm, else pictorelle_<language>.qm, from the
// first of ownFolders that has one. A language without a translation leaves the texts English.
void LoadQtTranslation(const QString& language, const QStringList& ownFolders);

// Where the program's translations are: language/ of the folder the language files are found in
// (installed, they lie beside them), then language/ beside the program (the build tree's, while
// the language files are the source tree's).
QStringList OwnTranslationFolders();
