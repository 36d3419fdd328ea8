#pragma once
#include <QString>

// The folder that holds the language files for an executable at exePath: its parent folder when
// that has language/English.ini (names matched without regard to case), else its own folder.
QString BaseFolderFor(const QString& exePath);

// The running executable's real path, links followed, so a launcher link finds the program's
// own files.
QString ExecutablePath();
