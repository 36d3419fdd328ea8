#pragma once
#include <optional>

#include <QString>

// Why nothing can be written into folder: "no such folder", "not a folder", "the folder cannot be
// written to" with the system's words, or the system's words alone (a name too long for it, a
// loop of links). Nothing when it is a folder we may write into.
std::optional<QString> OutputFolderProblem(const QString& folder);

// An output folder made ready for a run: made with its parents when it is missing, so that a
// rerun into a new folder and a first run behave alike.
struct PreparedOutputFolder {
    std::optional<QString> problem;  // why it cannot be used, as OutputFolderProblem, or why it could not be made
    bool made = false;               // it was missing and is made now
};
PreparedOutputFolder PrepareOutputFolder(const QString& folder);
