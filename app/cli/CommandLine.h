#pragma once
#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

#include "batch/ConversionRequest.h"
#include "batch/RequestOptions.h"

struct CommandLine {
    enum class Mode { Window, Convert, SavePreset, ListPresets, Help, Version, Invalid };
    Mode mode = Mode::Window;
    ConversionRequest request;  // for Convert and SavePreset
    QString savePreset;         // for SavePreset, and for Convert when the choices are kept too
    UsageError error;           // for Invalid
};

// The choices of the preset of that name, or nothing with why saying why it cannot be used.
using PresetLookup = std::function<std::optional<QList<RequestOption>>(const QString& name, QString& why)>;

// Reads the arguments after the program's name. Without --convert, --help, --version,
// --save-preset or --list-presets before a "--", the window starts and the arguments are left to
// it, unless one is an option only --convert takes (a usage error then). With --convert, options
// and photos may come in any order; "--" ends the options; an option's value follows it or an
// '='. --preset NAME takes the preset's choices from presets where it stands (a later option
// replaces one); without presets every preset is taken as empty, which tells the mode only.
CommandLine ParseCommandLine(const QStringList& arguments, const PresetLookup& presets = {});
