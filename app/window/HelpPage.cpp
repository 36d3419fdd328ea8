#include "app/window/HelpPage.h"

#include <QFileInfo>

#include "system/FolderEntries.h"

QString HelpPage(const QString& baseFolder, const QString& language, const QString& page)
{
    const QString help = platform::EntryIgnoringCase(baseFolder, QStringLiteral("help"));
    if (!language.isEmpty()) {
        const QString translated = platform::EntryIgnoringCase(help, language) + QLatin1Char('/') + page;
        if (QFileInfo(translated).isFile())
            return translated;
    }
    return help + QLatin1Char('/') + page;
}
