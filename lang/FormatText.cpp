#include "lang/FormatText.h"

QString FormatText(const QString& format, const std::vector<FormatValue>& values)
{
    QString out;
    out.reserve(format.size());
    std::size_t next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        const QChar k = format[i + 1];
        if (k == u'%') {
            out += u'%';
            ++i;
        } else if ((k == u's' || k == u'd') && next < values.size()) {
            const FormatValue& v = values[next++];
            out += std::holds_alternative<int>(v) ? QString::number(std::get<int>(v)) : std::get<QString>(v);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}
