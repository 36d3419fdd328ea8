#include "app/cli/PrintableText.h"

QString PrintableText(QString text)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = u'?';
    }
    return text;
}
