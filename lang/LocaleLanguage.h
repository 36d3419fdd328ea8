#pragma once
#include <QString>
#include <QStringList>

// The locales whose language the messages should be in, best first, by GNU gettext's rules: the
// locale of messages is LC_ALL, else LC_MESSAGES, else LANG (the first of them set and not empty);
// when it is C or POSIX (or none is set) that is English and nothing else counts; otherwise the
// colon-separated list in LANGUAGE comes before it. Empty means English.
QStringList MessageLocales(const QString& language, const QString& lcAll, const QString& lcMessages,
                           const QString& lang);

// The language file (its name without ".ini") among files that speaks locale ("de_DE.UTF-8",
// "de_AT", "de"): one for its language and country, else one for its language; empty for none.
// A file's language comes from its name through the language identity table.
QString LanguageFileFor(const QStringList& files, const QString& locale);
