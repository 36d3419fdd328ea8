#pragma once
#include <optional>

#include <QColor>
#include <QString>
#include <QStringList>

#include "convert/SizeRule.h"
#include "settings/LogFont.h"

// What "pictorelle --convert" is asked to do, as typed; values not given stay unset.
struct ConversionRequest {
    QStringList photos;
    QString outputFile;    // --output: one photo only
    QString outputFolder;  // --output-dir
    std::optional<int> width;
    std::optional<int> height;
    bool fit = false;        // --fit: width and height are a box to fit in
    bool noEnlarge = false;  // a photo already within the size keeps its own
    bool recursive = false;  // a PHOTO that is a folder stands for its photos
    int rotate = 0;  // 0, 90, 180 or 270
    int flip = 0;    // 0 none, 1 horizontal, 2 vertical, as the window's buttons
    std::optional<int> frame;
    QString text;
    int textX = 0;
    int textY = 0;
    std::optional<LOGFONTW> font;   // the stored overlay font when unset
    std::optional<QColor> colour;   // the stored overlay colour when unset
    bool overwrite = false;
    bool quiet = false;
    bool autoOrient = true;  // turn each photo upright as its camera recorded
};

// The size rule the request's size options make.
SizeRule SizeRuleOf(const ConversionRequest& request);
// Sets the request's size options so that they make rule.
void SetSizeRule(ConversionRequest& request, const SizeRule& rule);

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
