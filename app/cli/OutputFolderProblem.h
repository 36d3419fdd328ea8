#pragma once
#include <optional>

#include <QString>

// Why nothing can be written into folder: "no such folder", "not a folder", "the folder cannot be
// written to" with the system's words, or the system's words alone (a name too long for it, a
// loop of links). Nothing when it is a folder we may write into.
std::optional<QString> OutputFolderProblem(const QString& folder);

