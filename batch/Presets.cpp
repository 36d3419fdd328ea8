#include "batch/Presets.h"

#include <QCoreApplication>

#include "services/SettingsStore.h"

using platform::SettingsStore;

namespace {

// Far more than anyone keeps; a settings file claiming more is not walked further.
constexpr int kMaxPresets = 1000;
constexpr int kMaxPresetNameChars = 100;

const QString kPresetsSection = QStringLiteral("Presets");
const QString kCountKey = QStringLiteral("Count");
// Not "Name": the naming pattern is kept as "name", and keys match without regard to case.
const QString kNameKey = QStringLiteral("PresetName");

QString SectionOf(int slot)
{
    return QStringLiteral("Preset-%1").arg(slot);
}

// The choices a preset may keep, in the order they are read back.
QStringList KeptNames()
{
    static const QStringList names = [] {
        QStringList kept;
        for (const char* name : {"--size", "--width", "--height", "--fit", "--no-enlarge", "--rotate", "--flip", "--text",
                                 "--position", "--margin", "--font", "--color", "--metadata", "--file-date", "--dpi",
                                 "--name", "--output-dir", "--overwrite"})
            kept << QLatin1String(name);
        return kept;
    }();
    return names;
}

std::vector<Preset> ShippedPresets()
{
    return {{QStringLiteral("Web (1920, no details)"),
             {{QStringLiteral("--fit"), QStringLiteral("1920x1920")}, {QStringLiteral("--no-enlarge"), std::nullopt},
              {QStringLiteral("--metadata"), QStringLiteral("none")}}},
            {QStringLiteral("Print (300 dpi, all but location)"),
             {{QStringLiteral("--dpi"), QStringLiteral("300")}, {QStringLiteral("--metadata"), QStringLiteral("no-location")}}}};
}

// The slots written so far; none before the first preset is saved or deleted.
std::optional<int> SlotCount()
{
    const int count = SettingsStore::GetProfileInt(kPresetsSection, kCountKey, -1);
    if (count < 0)
        return std::nullopt;
    return std::min(count, kMaxPresets);
}

// The preset in slot, or nothing for a free slot; a damaged one says why in damaged.
std::optional<Preset> ReadSlot(int slot, QStringList& damaged)
{
    const QString section = SectionOf(slot);
    Preset preset{SettingsStore::GetProfileString(section, kNameKey, QString()), {}};
    if (preset.name.isEmpty())
        return std::nullopt;
    for (const QString& name : KeptNames()) {
        const QString key = name.mid(2);
        const QString value = SettingsStore::GetProfileString(section, key, QString());
        if (value.isEmpty())
            continue;
        if (RequestReader::IsSwitch(name)) {
            if (value == QLatin1String("1"))
                preset.options.append({name, std::nullopt});
            else if (value != QLatin1String("0"))
                preset.options.append({name, value});  // refused below, as a switch given a value
        } else {
            preset.options.append({name, value});
        }
    }
    RequestReader reader;
    if (!reader.ApplyPreset(preset.options)) {
        damaged << QCoreApplication::translate("CommandLine", "the preset '%1' ([%2] in the settings) is damaged and was skipped: %3")
                       .arg(preset.name, section, UsageText(reader.Error()));
        return std::nullopt;
    }
    return preset;
}

void WriteSlot(int slot, const Preset& preset)
{
    const QString section = SectionOf(slot);
    SettingsStore::WriteProfileString(section, kNameKey, preset.name);
    for (const QString& name : KeptNames()) {
        QString value;
        for (const RequestOption& option : preset.options)
            if (option.name == name)
                value = option.value.value_or(QStringLiteral("1"));
        SettingsStore::WriteProfileString(section, name.mid(2), value);
    }
}

// The slots as kept, the shipped presets written into the first ones on the first change.
int MaterialisedCount()
{
    if (const std::optional<int> count = SlotCount())
        return *count;
    const std::vector<Preset> shipped = ShippedPresets();
    for (std::size_t i = 0; i < shipped.size(); ++i)
        WriteSlot(static_cast<int>(i) + 1, shipped[i]);
    SettingsStore::WriteProfileInt(kPresetsSection, kCountKey, static_cast<int>(shipped.size()));
    return static_cast<int>(shipped.size());
}

// The slot holding the preset of that name, whether it reads or not.
std::optional<int> SlotNamed(const QString& name, int count)
{
    for (int slot = 1; slot <= count; ++slot)
        if (SettingsStore::GetProfileString(SectionOf(slot), kNameKey, QString()) == name)
            return slot;
    return std::nullopt;
}

}  // namespace

PresetList LoadPresets()
{
    PresetList list;
    const std::optional<int> count = SlotCount();
    if (!count) {
        list.presets = ShippedPresets();
        return list;
    }
    for (int slot = 1; slot <= *count; ++slot)
        if (std::optional<Preset> preset = ReadSlot(slot, list.damaged))
            list.presets.push_back(std::move(*preset));
    return list;
}

std::optional<Preset> FindPreset(const QString& name, QStringList* damaged)
{
    PresetList list = LoadPresets();
    for (Preset& preset : list.presets)
        if (preset.name == name)
            return std::move(preset);
    if (damaged)
        for (const QString& text : list.damaged)
            if (text.contains(QStringLiteral("'%1'").arg(name)))
                damaged->append(text);
    return std::nullopt;
}

std::optional<QString> PresetNameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("CommandLine", "a preset needs a name");
    if (name.size() > kMaxPresetNameChars)
        return QCoreApplication::translate("CommandLine", "a preset's name has at most %1 characters").arg(kMaxPresetNameChars);
    return std::nullopt;
}

bool SavePreset(const Preset& preset)
{
    const int count = MaterialisedCount();
    std::optional<int> slot = SlotNamed(preset.name, count);
    if (!slot)
        slot = SlotNamed(QString(), count);  // a deleted preset's
    if (!slot) {
        if (count >= kMaxPresets)
            return false;
        slot = count + 1;
        SettingsStore::WriteProfileInt(kPresetsSection, kCountKey, *slot);
    }
    WriteSlot(*slot, preset);
    return SettingsStore::Save();
}

bool DeletePreset(const QString& name)
{
    const int count = MaterialisedCount();
    const std::optional<int> slot = SlotNamed(name, count);
    if (!slot)
        return false;
    WriteSlot(*slot, Preset{});
    return SettingsStore::Save();
}
