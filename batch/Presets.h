#pragma once
#include <vector>

#include <QList>
#include <QString>
#include <QStringList>

#include "batch/RequestOptions.h"

// A preset: a name and every choice of a batch, as the command line names them.
struct Preset {
    QString name;
    QList<RequestOption> options;
};

struct PresetList {
    std::vector<Preset> presets;  // in the order kept
    QStringList damaged;          // what was skipped, each saying which preset and why
};

// The presets kept in the settings, each in a section of its own ("Preset 1", ...) with its name
// as a value, so that no name can collide with another section. A section whose choices cannot be
// read is skipped and told, and left as it is. Until the first preset is saved or deleted, the
// two shipped presets are the list.
PresetList LoadPresets();
// The preset of that name, or nothing (with damaged telling why when it is there but skipped).
std::optional<Preset> FindPreset(const QString& name, QStringList* damaged = nullptr);
// Keeps preset, replacing one of the same name; false when the settings could not be written.
bool SavePreset(const Preset& preset);
// Forgets the preset of that name; false when there was none or the settings could not be written.
bool DeletePreset(const QString& name);
// Why a name cannot name a preset (empty, too long), or nothing.
std::optional<QString> PresetNameProblem(const QString& name);
