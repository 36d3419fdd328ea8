#include "lang/BaseFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "system/FolderEntries.h"

QString BaseFolderFor(const QString& exePath)
{
    const auto cutAtLastSlash = [](const QString& path) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        return slash < 0 ? path : path.left(slash);
    };
    const QString exeFolder = cutAtLastSlash(exePath);
    const QString parent = cutAtLastSlash(exeFolder);
    const QString languageFolder = platform::EntryIgnoringCase(parent, QStringLiteral("language"));
    const QString english = platform::EntryIgnoringCase(languageFolder, QStringLiteral("English.ini"));
    return QFileInfo(english).isFile() ? parent : exeFolder;
}

QString ExecutablePath()
{
    const QString real = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return real.isEmpty() ? QCoreApplication::applicationFilePath() : real;
}
