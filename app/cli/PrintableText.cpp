#include "app/cli/PrintableText.h"

QString PrintableText(QString text)
{
    for (QChar& c : text) {
        // U+FFFD is where a name's bytes were not UTF-8.
        if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
            c = u'?';
    }
    return text;
}

void PrintTo(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}
