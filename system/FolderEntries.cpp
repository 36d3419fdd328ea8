#include "system/FolderEntries.h"

#include <QDir>

namespace platform {

QString EntryIgnoringCase(const QString& folder, const QString& name)
{
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return exact;
}

QStringList EntriesEndingWith(const QString& folder, const QString& suffix)
{
    QStringList out;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.size() >= suffix.size() && entry.endsWith(suffix, Qt::CaseInsensitive))
            out << entry;
    }
    return out;
}

}  // namespace platform
