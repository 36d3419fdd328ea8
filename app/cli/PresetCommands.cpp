#include "app/cli/PresetCommands.h"

#include <cstdio>

#include <QCoreApplication>

#include "app/cli/PrintableText.h"
#include "batch/Presets.h"

namespace {

// A value as a shell would take it back: quoted when it holds anything but plain characters.
QString ShellWord(const QString& value)
{
    static const QString kPlain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789%+,-./:=@_#");
    for (const QChar c : value)
        if (!kPlain.contains(c))
            return u'\'' + QString(value).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
    return value.isEmpty() ? QStringLiteral("''") : value;
}

}  // namespace

PresetLookup PresetsFromSettings()
{
    return [](const QString& name, QString& why) -> std::optional<QList<RequestOption>> {
        QStringList damaged;
        if (const std::optional<Preset> preset = FindPreset(name, &damaged))
            return preset->options;
        why = damaged.isEmpty()
            ? QCoreApplication::translate("CommandLine", "no preset is named '%1': --list-presets lists them").arg(name)
            : damaged.first();
        return std::nullopt;
    };
}

int ListPresets()
{
    const PresetList list = LoadPresets();
    for (const Preset& preset : list.presets) {
        QString line = preset.name + QStringLiteral(":");
        for (const RequestOption& option : preset.options)
            line += u' ' + option.name + (option.value ? u' ' + ShellWord(*option.value) : QString());
        PrintTo(stdout, line + u'\n');
    }
    for (const QString& damaged : list.damaged)
        PrintTo(stderr, QStringLiteral("pictorelle: %1\n").arg(damaged));
    return 0;
}

int SavePresetOf(const CommandLine& line)
{
    if (SavePreset(Preset{line.savePreset, PresetOptionsOf(line.request)}))
        return 0;
    PrintTo(stderr, QStringLiteral("pictorelle: %1\n")
                        .arg(QCoreApplication::translate("CommandLine", "the preset '%1' could not be kept: the settings cannot be written")
                                 .arg(line.savePreset)));
    return 1;
}
