#pragma once
#include <QString>

// Longest path the program keeps for a photo or an output file, terminator excluded.
inline constexpr int kMaxPathChars = 259;

// The path up to and including its last '/'; empty when it has none.
QString GetFolderOfPath(const QString& path);

// The file name with its extension. A URL-like name (a colon as 4th or 5th character) is
// given whole. Returns false, leaving out untouched, when path is empty.
bool GetDisplayFileName(const QString& path, QString& out);

// The output proposed for a photo: folder + display name without its last extension + "_out.png".
QString ProposeOutputFile(const QString& outputFolder, const QString& displayName);

// path with the extension of its file name made ".png" (appended when it has none).
// A dot in a folder name is not an extension.
QString WithPngExtension(const QString& path);
