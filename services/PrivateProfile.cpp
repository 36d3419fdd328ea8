#include "services/PrivateProfile.h"

#include "services/TrimBlanks.h"

#include <QSet>


namespace platform {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArray Trimmed(QByteArrayView text)
{
    return TrimBlanks(text, IsBlank);
}

// Section and key names compare without regard to ASCII letter case, as the profile reader does.
QByteArray Folded(QByteArray name)
{
    return name.toLower();
}

QByteArray Unquoted(QByteArray value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

}  // namespace

QString CutProfileValue(QString text)
{
    if (text.size() <= kMaxProfileValueChars)
        return text;
    text.truncate(kMaxProfileValueChars);
    if (text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

PrivateProfile::PrivateProfile(const QByteArray& file)
{
    QByteArray bytes = file;
    if (bytes.startsWith("\xFF\xFE")) {
        utf16_ = true;
        // Odd trailing byte of a cut file: not a character, so dropped.
        const qsizetype units = (bytes.size() - 2) / 2;
        bytes = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), units).toUtf8();
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }

    QSet<QByteArray> seenSections;
    QByteArray section;
    bool sectionIsFirst = false;  // later repeats of a section are never read
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            end = bytes.size();
        const QByteArray line = Trimmed(QByteArrayView(bytes).sliced(pos, end - pos));
        pos = end + 1;
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const qsizetype close = line.indexOf(']');
            section = Folded(Trimmed(QByteArrayView(line).sliced(1, (close < 0 ? line.size() : close) - 1)));
            sectionIsFirst = !seenSections.contains(section);
            seenSections.insert(section);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0 || !sectionIsFirst)
            continue;
        const QByteArray id = section + '\n' + Folded(Trimmed(QByteArrayView(line).first(equals)));
        if (!values_.contains(id))
            values_.insert(id, Unquoted(Trimmed(QByteArrayView(line).sliced(equals + 1))));
    }
}

QByteArray PrivateProfile::RawValue(const QString& section, const QString& key) const
{
    return values_.value(Folded(section.toUtf8()) + '\n' + Folded(key.toUtf8()));
}

}  // namespace platform
