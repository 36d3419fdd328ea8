#include "lang/PosixLocale.h"

#include <clocale>
#include <optional>

#include <QLocale>

QString PosixLocaleFor(const QString& languageName)
{
    const QStringList words = languageName.split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    const QString country = words.mid(1).join(QLatin1Char(' '));
    QString languageOnly;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (QLocale::languageToString(locale.language()).compare(words.first(), Qt::CaseInsensitive) != 0)
            continue;
        if (!country.isEmpty() && QLocale::territoryToString(locale.territory()).compare(country, Qt::CaseInsensitive) == 0)
            return locale.name();
        if (languageOnly.isEmpty())
            languageOnly = QLocale(locale.language()).name();  // the language's main country
    }
    return languageOnly;
}

namespace {
int g_holds = 0;
std::optional<QString> g_pending;  // the language asked for while held
}  // namespace

void ApplyPosixLocale(const QString& languageName)
{
    if (g_holds > 0) {
        g_pending = languageName;
        return;
    }
    const QByteArray name = PosixLocaleFor(languageName).toLatin1();
    if (!name.isEmpty()) {
        for (const QByteArray& candidate : {name + ".UTF-8", name + ".utf8", name}) {
            if (std::setlocale(LC_ALL, candidate.constData()))
                break;
        }
    }
    std::setlocale(LC_NUMERIC, "C");
}

PosixLocaleHold::PosixLocaleHold()
{
    ++g_holds;
}

PosixLocaleHold::~PosixLocaleHold()
{
    if (--g_holds > 0 || !g_pending)
        return;
    const QString language = *g_pending;
    g_pending.reset();
    ApplyPosixLocale(language);
}
