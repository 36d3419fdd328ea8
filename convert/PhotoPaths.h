#pragma once
#include <QByteArray>
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

// The same proposal made of bytes on disk: the folder's and the photo path's (platform::LocalFileName),
// displayName being what GetDisplayFileName made of that path. A name that is not UTF-8 keeps its
// bytes, which the text, with U+FFFD in their place, has lost.
QByteArray ProposeLocalOutputFile(const QByteArray& outputFolder, const QByteArray& photoPath,
                                  const QString& displayName);

// The folders between folder and the file at path, ending in '/' ("day2/" for folder/day2/a.jpg);
// empty when path is not below folder. Text and bytes alike: '/' is one byte that never stands for
// anything else.
QString FolderBelow(const QString& folder, const QString& path);
QByteArray FolderBelow(const QByteArray& folder, const QByteArray& path);

// path with the extension of its file name made ".png" (appended when it has none).
// A dot in a folder name is not an extension.
QString WithPngExtension(const QString& path);
