#pragma once
#include <QString>

// The POSIX locale name ("de_DE") of a language's table name such as "German_Germany" or
// "German": its language and, where the name has one, its country; empty when Qt knows neither.
QString PosixLocaleFor(const QString& languageName);

// Switches the C library to the language's locale when one is installed and otherwise leaves it
// as it is; numbers keep '.' as their decimal point either way. While a PosixLocaleHold lives, the
// switch waits for the last hold to end.
void ApplyPosixLocale(const QString& languageName);

// Holds the C library's locale as it is: it is read by every thread (the system's error texts,
// local file names), and changing it while other threads convert photos is a race. Made and ended
// on the window's thread, around work that runs beside it.
class PosixLocaleHold {
public:
    PosixLocaleHold();
    ~PosixLocaleHold();
    PosixLocaleHold(const PosixLocaleHold&) = delete;
    PosixLocaleHold& operator=(const PosixLocaleHold&) = delete;
};
