#pragma once
#include <QString>

// The help page for language: help/<language>/PAGE below baseFolder where the help folder has
// that page in that language (folder names matched without regard to case), else the English
// help/PAGE.
QString HelpPage(const QString& baseFolder, const QString& language,
                 const QString& page = QStringLiteral("Introduction.htm"));
