#pragma once
#include <optional>

#include <QString>

#include "imaging/checks/PhotoFormat.h"

// Why path cannot be a photo before any decoder looks at it, in the manner of GNU tools: the
// system's own words for a missing, unreadable or special file, "Is a directory" for a folder.
// Nothing when it is a regular file that can be read.
std::optional<QString> FileProblem(const QString& path);

// The format path's first bytes announce; Unknown when they cannot be read.
platform::PhotoFormat PhotoFormatOf(const QString& path);
