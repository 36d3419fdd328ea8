#include "lang/LanguageName.h"

#include <QStringList>

#include "lang/LanguageIdentities.h"
#include "services/CodePages.h"

namespace {
constexpr int kAnsiLatinCodePage = 1252;
}

int GetFileEncoding(const QString& name)
{
    const QString lower = name.toLower();
    if (lower.contains(QLatin1String("_utf-8")))
        return ENCODING_UTF8;
    if (lower.contains(QLatin1String("_unicode")))
        return ENCODING_UNICODE;
    return ENCODING_ANSI;
}

QString LanguagePart(const QString& name, int encoding)
{
    QString lower = name.toLower();
    if (encoding == ENCODING_UTF8)
        lower.chop(6);  // "_utf-8"
    else if (encoding == ENCODING_UNICODE)
        lower.chop(8);  // "_unicode"
    return lower;
}

std::optional<ResolvedLanguage> ResolveLanguageName(const QString& name, int encoding)
{
    const QString part = LanguagePart(name, encoding);
    const auto codePageFor = [encoding](int ansi) {
        if (encoding == ENCODING_UTF8)
            return platform::kCodePageUtf8;
        return encoding == ENCODING_UNICODE ? kAnsiLatinCodePage : ansi;
    };
    if (part == QLatin1String("english"))
        return ResolvedLanguage{QStringLiteral("english"), QStringLiteral("English"), 9, 1,
                                codePageFor(kAnsiLatinCodePage)};
    for (const LanguageIdentity& row : g_LanguageIdentities) {
        const QString rowName = QString::fromUtf16(row.szName);
        const QString abbrev = QString::fromUtf16(row.szAbbrev).toLower();
        if (rowName.toLower() == part || abbrev == part)
            return ResolvedLanguage{abbrev, rowName, row.nLangID & 0x3FF, (row.nLangID & 0xFFFF) >> 10,
                                    codePageFor(row.nCodePage)};
    }
    return std::nullopt;
}

QString ConvertEscapes(QString text)
{
    // Each pass looks again from the start: a replacement never forms a new escape, so one sweep
    // per escape gives the same text.
    text.replace(QLatin1String("\\t"), QStringLiteral("\t"));
    text.replace(QLatin1String("\\n"), QStringLiteral("\n"));
    text.replace(QLatin1String("\\r"), QStringLiteral("\r"));
    return text;
}

QString MenuTitleAt(const QString& titles, int position)
{
    const QStringList fields = titles.split(QLatin1Char(','));
    if (position < 0 || position >= fields.size())
        return titles;
    return fields.at(position);
}
