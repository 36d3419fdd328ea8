#pragma once
#include <QString>

// The POSIX locale name ("de_DE") of a language's table name such as "German_Germany" or
// "German": its language and, where the name has one, its country; empty when Qt knows neither.
QString PosixLocaleFor(const QString& languageName);

// Switches the C library to the language's locale when one is installed and otherwise leaves it
// as it is; numbers keep '.' as their decimal point either way.
void ApplyPosixLocale(const QString& languageName);
