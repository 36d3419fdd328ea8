#pragma once
#include <optional>

#include <QString>

#include "imaging/checks/PhotoFormat.h"

// Why path cannot be a photo before any decoder looks at it, in the manner of GNU tools: the
// system's own words for a missing, unreadable or special file, "Is a directory" for a folder.
// Nothing when it is a regular file that can be read.
std::optional<QString> FileProblem(const QString& path);

// Why a readable file that would not open is not converted: no photo at all when its first bytes
// announce no format we read (a text file, an empty file), else nothing (a damaged photo, for
// the decoder's message).
std::optional<QString> NotAPhotoProblem(const QString& path);

// The libvips loader that will decode path ("jpegload"), as its first bytes tell; empty for
// the formats others decode and for files that cannot be read.
QString LoaderOf(const QString& path);

// The format path's first bytes announce; Unknown when they cannot be read.
platform::PhotoFormat PhotoFormatOf(const QString& path);
