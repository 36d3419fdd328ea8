#include "services/SettingsStore.h"

#include <mutex>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "system/AtomicFileWriter.h"
#include "system/ReadRegularFile.h"
#include "services/IniDocument.h"
#include "services/PrivateProfile.h"
#include "services/Prompts.h"

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

struct Change {
    QString section;
    QString key;
    QString value;
};

// The file as read once, with what was changed since. Conversions read it from several threads.
struct Store {
    std::mutex lock;
    QString path;  // the file read; another path (a new HOME, another company) is read anew
    bool read = false;
    bool tooLarge = false;        // the file was left alone for its size; not yet told
    std::vector<Change> changes;  // in order, for Save to make again in the file as it is then
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

// The file's document. Whatever is at the name that is not a regular file (a FIFO, a device, a
// folder, a link to one) is never opened: the document is empty. Nothing for a file too large.
std::optional<IniDocument> ReadDocument(const QString& path)
{
    if (const auto bytes = ReadRegularFile(path, kMaxSettingsFileBytes))
        return IniDocument::Parse(*bytes);
    if (RegularFileLargerThan(path, kMaxSettingsFileBytes))
        return std::nullopt;
    return IniDocument();
}

// The store's document, reading the file the first time.
IniDocument& Document(Store& store)
{
    const QString path = StoreFileName();
    if (!store.read || store.path != path) {
        std::optional<IniDocument> document = ReadDocument(path);
        store.tooLarge = !document;
        store.document = document ? std::move(*document) : IniDocument();
        store.path = path;
        store.read = true;
        store.changes.clear();
    }
    return store.document;
}

// Runs use on the store under its lock; a file left alone for its size is told after, once, with
// the lock released (a message box runs events that may read settings).
template <typename Use>
auto WithStore(Use use)
{
    Store& store = TheStore();
    QString tooLarge;
    const auto result = [&] {
        std::lock_guard guard(store.lock);
        const auto r = use(store);
        if (std::exchange(store.tooLarge, false))
            tooLarge = store.path;
        return r;
    }();
    if (!tooLarge.isEmpty())
        CurrentPrompts().MessageBox(nullptr,
                                    QStringLiteral("The settings file %1 is larger than %2 MiB: it was not read, "
                                                   "and the settings will not be saved into it.")
                                        .arg(tooLarge).arg(kMaxSettingsFileBytes >> 20),
                                    QStringLiteral("Warning"), MB_OK | MB_ICONEXCLAMATION);
    return result;
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
    return WithStore([&](Store& store) {
        const auto value = Document(store).Value(section, key);
        return value ? CutProfileValue(*value) : def;
    });
}

int SettingsStore::GetProfileInt(const QString& section, const QString& key, int def)
{
    return WithStore([&](Store& store) {
        const auto value = Document(store).Value(section, key);
        return value ? ParseStoredInt(*value).value_or(def) : def;
    });
}

bool SettingsStore::WriteProfileString(const QString& section, const QString& key, const QString& value)
{
    return WithStore([&](Store& store) {
        IniDocument& document = Document(store);
        if (document.Value(section, key) != value) {
            document.SetValue(section, key, value);
            store.changes.push_back({section, key, value});
        }
        return true;
    });
}

bool SettingsStore::WriteProfileInt(const QString& section, const QString& key, int value)
{
    return WriteProfileString(section, key, QString::number(value));
}

bool SettingsStore::Save()
{
    Store& store = TheStore();
    std::lock_guard guard(store.lock);
    if (!store.read || store.changes.empty())
        return true;
    // The file as another window of the program may have saved it meanwhile, with this one's
    // changes made again in it: each keeps the keys the other did not change.
    std::optional<IniDocument> onDisk = ReadDocument(store.path);
    if (!onDisk)
        return false;
    for (const Change& change : store.changes)
        onDisk->SetValue(change.section, change.key, change.value);
    const QByteArray text = onDisk->Serialize();
    QDir().mkpath(QFileInfo(store.path).path());
    const bool written = WriteFileAtomically(store.path, [&text](const ByteSink& sink) {
        return sink(reinterpret_cast<const std::uint8_t*>(text.constData()), static_cast<std::size_t>(text.size()));
    });
    if (written) {
        store.document = std::move(*onDisk);
        store.changes.clear();
    }
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
