#include "lang/LocaleLanguage.h"

#include <QLocale>

#include "lang/LanguageName.h"
#include "lang/PosixLocale.h"

QStringList MessageLocales(const QString& language, const QString& lcAll, const QString& lcMessages,
                           const QString& lang)
{
    const QString locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    const QString bare = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    if (bare.isEmpty() || bare == QLatin1String("C") || bare == QLatin1String("POSIX"))
        return {};
    QStringList locales = language.split(u':', Qt::SkipEmptyParts);
    locales << locale;
    return locales;
}

QString LanguageFileFor(const QStringList& files, const QString& locale)
{
    // "de_DE.UTF-8@euro" is language "de", country "DE".
    const QString bare = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    const QString language = bare.section(u'_', 0, 0).toLower();
    if (language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix"))
        return {};
    QString sameLanguage;
    for (const QString& file : files) {
        const int encoding = GetFileEncoding(file);
        const auto resolved = ResolveLanguageName(file, encoding);
        if (!resolved)
            continue;
        const QString posix = PosixLocaleFor(resolved->tableName);  // "de_DE"
        if (posix.compare(bare, Qt::CaseInsensitive) == 0)
            return file;
        if (sameLanguage.isEmpty() && posix.section(u'_', 0, 0) == language)
            sameLanguage = file;
    }
    return sameLanguage;
}
