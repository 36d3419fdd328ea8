#include "platform/services/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace platform {
namespace {

QString& Company()
{
    static QString company = QStringLiteral("TOLVARK");
    return company;
}

QString ApplicationName()
{
    const QString exe = QCoreApplication::applicationFilePath();
    const QString name = exe.isEmpty() ? QStringLiteral("pictorelle") : QFileInfo(exe).completeBaseName();
    return name.isEmpty() ? QStringLiteral("pictorelle") : name;
}

std::unique_ptr<QSettings> OpenStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, Company(), ApplicationName());
}

// The stored spelling of name among names, matched without regard to case; name itself if none.
QString StoredName(const QStringList& names, const QString& name)
{
    for (const QString& n : names) {
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    }
    return name;
}

// Opens section's group in its stored spelling; returns the key's stored spelling.
QString Locate(QSettings& store, const QString& section, const QString& key)
{
    store.beginGroup(StoredName(store.childGroups(), section));
    return StoredName(store.childKeys(), key);
}

}  // namespace

std::optional<int> ParseStoredInt(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    // Signed or unsigned 32-bit text; anything wider is no value of ours.
    if (!ok || value < INT32_MIN || value > qlonglong(UINT32_MAX))
        return std::nullopt;
    return static_cast<int>(static_cast<quint32>(static_cast<qulonglong>(value)));
}

void SettingsStore::SetRegistryKey(const QString& company)
{
    Company() = company;
}

QString SettingsStore::GetProfileString(const QString& section, const QString& key, const QString& def)
{
    auto store = OpenStore();
    const QString stored = Locate(*store, section, key);
    const QVariant v = store->value(stored);
    return v.isValid() ? v.toString() : def;
}

int SettingsStore::GetProfileInt(const QString& section, const QString& key, int def)
{
    auto store = OpenStore();
    const QString stored = Locate(*store, section, key);
    const QVariant v = store->value(stored);
    if (!v.isValid())
        return def;
    return ParseStoredInt(v.toString()).value_or(def);
}

bool SettingsStore::WriteProfileString(const QString& section, const QString& key, const QString& value)
{
    auto store = OpenStore();
    store->setValue(Locate(*store, section, key), value);
    store->sync();
    return store->status() == QSettings::NoError;
}

bool SettingsStore::WriteProfileInt(const QString& section, const QString& key, int value)
{
    return WriteProfileString(section, key, QString::number(value));
}

QString SettingsStore::FileName()
{
    return OpenStore()->fileName();
}

}  // namespace platform
