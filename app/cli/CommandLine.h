#pragma once
#include <optional>

#include <QString>
#include <QStringList>

#include "batch/ConversionRequest.h"

// A command line that cannot be run: a message text's identifier when the program has a text
// for it (so it shows in the user's language), else a text of its own.
struct UsageError {
    int messageId = 0;
    QString text;
};

struct CommandLine {
    enum class Mode { Window, Convert, Help, Version, Invalid };
    Mode mode = Mode::Window;
    ConversionRequest request;  // for Convert
    UsageError error;           // for Invalid
};

// Reads the arguments after the program's name. Without --convert, --help or --version before a
// "--", the window starts and the arguments are left to it, unless one is an option only
// --convert takes (a usage error then). With --convert, options and photos
// may come in any order; "--" ends the options; an option's value follows it or an '='.
CommandLine ParseCommandLine(const QStringList& arguments);

// The whole number text stands for when it is only ASCII digits (an optional '-' first) that fit
// in 32 bits; nothing otherwise.
std::optional<int> ParseWholeNumber(const QString& text);
