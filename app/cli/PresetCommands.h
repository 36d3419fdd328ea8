#pragma once
#include "app/cli/CommandLine.h"

// The presets kept in the settings, for ParseCommandLine; a damaged one says why it cannot be used.
PresetLookup PresetsFromSettings();
// --list-presets: each preset on standard output with its choices, each damaged one told on
// standard error. Returns the exit status.
int ListPresets();
// --save-preset: keeps the line's choices under its name. Returns the exit status: 0, or 1 when
// the settings could not be written.
int SavePresetOf(const CommandLine& line);
