#pragma once
#include <QString>

// The first help page for language: help/<language>/Introduction.htm below baseFolder where the
// help folder has pages in that language (folder names matched without regard to case), else
// the English help/Introduction.htm.
QString HelpIntroductionPage(const QString& baseFolder, const QString& language);
