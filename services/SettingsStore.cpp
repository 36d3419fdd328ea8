#include "services/SettingsStore.h"

#include <mutex>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "system/AtomicFileWriter.h"
#include "system/ReadRegularFile.h"
#include "services/IniDocument.h"
#include "services/PrivateProfile.h"

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

// The file as read once, with what was changed since. Conversions read it from several threads.
struct Store {
    std::mutex lock;
    QString path;  // the file read; another path (a new HOME, another company) is read anew
    bool read = false;
    bool changed = false;
    IniDocument document;
};

Store& TheStore()
{
    static Store store;
    return store;
}

QString StoreFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + Company() + u'/' +
           ApplicationName() + QStringLiteral(".ini");
}

// The store's document, reading the file the first time. Whatever is at the name that is not a
// regular file (a FIFO, a device, a folder, a link to one) is never opened: the store starts empty.
IniDocument& Document(Store& store)
{
    const QString path = StoreFileName();
    if (!store.read || store.path != path) {
        const auto bytes = ReadRegularFile(path);
        store.document = bytes ? IniDocument::Parse(*bytes) : IniDocument();
        store.path = path;
        store.read = true;
        store.changed = false;
    }
    return store.document;
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
    std::lock_guard guard(TheStore().lock);
    Company() = company;
}

QString SettingsStore::GetProfileString(const QString& section, const QString& key, const QString& def)
{
    Store& store = TheStore();
    std::lock_guard guard(store.lock);
    const auto value = Document(store).Value(section, key);
    return value ? CutProfileValue(*value) : def;
}

int SettingsStore::GetProfileInt(const QString& section, const QString& key, int def)
{
    Store& store = TheStore();
    std::lock_guard guard(store.lock);
    const auto value = Document(store).Value(section, key);
    return value ? ParseStoredInt(*value).value_or(def) : def;
}

bool SettingsStore::WriteProfileString(const QString& section, const QString& key, const QString& value)
{
    Store& store = TheStore();
    std::lock_guard guard(store.lock);
    IniDocument& document = Document(store);
    if (document.Value(section, key) != value) {
        document.SetValue(section, key, value);
        store.changed = true;
    }
    return true;
}

bool SettingsStore::WriteProfileInt(const QString& section, const QString& key, int value)
{
    return WriteProfileString(section, key, QString::number(value));
}

bool SettingsStore::Save()
{
    Store& store = TheStore();
    std::lock_guard guard(store.lock);
    if (!store.read || !store.changed)
        return true;
    const QByteArray text = store.document.Serialize();
    QDir().mkpath(QFileInfo(store.path).path());
    const bool written = WriteFileAtomically(store.path, [&text](const ByteSink& sink) {
        return sink(reinterpret_cast<const std::uint8_t*>(text.constData()), static_cast<std::size_t>(text.size()));
    });
    store.changed = !written;
    return written;
}

void SettingsStore::Reload()
{
    std::lock_guard guard(TheStore().lock);
    TheStore().read = false;
}

QString SettingsStore::FileName()
{
    return StoreFileName();
}

}  // namespace platform
