#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace platform {

// text without the leading and trailing bytes isBlank accepts. The two INI dialects differ in what
// counts as blank, so each reader passes its own.
template <class IsBlank>
QByteArray TrimBlanks(QByteArrayView text, IsBlank isBlank)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toByteArray();
}

}  // namespace platform
