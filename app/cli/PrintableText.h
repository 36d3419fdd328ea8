#pragma once
#include <cstdio>

#include <QString>

// text with every control character (a name's escape sequences, line breaks, tabs) and every byte
// of a name that was not UTF-8 (U+FFFD) shown as '?', so that a file name cannot rewrite the
// terminal or split a message a script reads by lines.
QString PrintableText(QString text);

// Writes text to stream in the locale's encoding.
void PrintTo(std::FILE* stream, const QString& text);
