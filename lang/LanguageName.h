#pragma once
#include <optional>

#include <QString>

// How a language file is stored, told by its name.
inline constexpr int ENCODING_ANSI = 0;
inline constexpr int ENCODING_UNICODE = 1;
inline constexpr int ENCODING_UTF8 = 2;

// "_utf-8" anywhere in the name (any case) is UTF-8, else "_unicode" is UTF-16, else ANSI.
int GetFileEncoding(const QString& name);

// The language part of a name: lower-cased, without its encoding suffix.
QString LanguagePart(const QString& name, int encoding);

// What a language part stands for.
struct ResolvedLanguage {
    QString localeName;   // the lower-cased abbreviation, or "english"
    QString tableName;    // the identity table's name for it, or "English"
    int primaryLanguage;  // identifier bits 0-9
    int subLanguage;      // identifier bits 10-15
    int codePage;         // what the file's texts are decoded with
};

// The language a name stands for: "english", or the first identity whose name or abbreviation
// equals the language part. UTF-8 files decode as UTF-8, UTF-16 ones are text already (1252),
// ANSI ones use the language's code page. Nothing when no row matches.
std::optional<ResolvedLanguage> ResolveLanguageName(const QString& name, int encoding);

// "\t", "\n" and "\r" in a value become TAB, LINE FEED and CARRIAGE RETURN; nothing else is an
// escape, and a backslash before any other character stays.
QString ConvertEscapes(QString text);

// The title of top-level item position from a comma-separated list of titles; the whole text
// when it has fewer fields.
QString MenuTitleAt(const QString& titles, int position);
