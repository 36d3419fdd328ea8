#include "services/IniDocument.h"

#include "services/TrimBlanks.h"

namespace platform {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char HexUpper(unsigned v)
{
    return "0123456789ABCDEF"[v & 15];
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

QByteArray TrimmedLine(const QByteArray& line)
{
    return TrimBlanks(line, IsBlank);
}

// The section a header line names; nothing when the line is no header.
std::optional<QString> HeaderName(const QByteArray& trimmed)
{
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return std::nullopt;
    return UnescapeIniKey(TrimmedLine(trimmed.mid(1, trimmed.size() - 2)));
}

}  // namespace

QString UnescapeIniKey(const QByteArray& raw)
{
    QString key;
    qsizetype i = 0;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            key += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c == '%') {
            const bool wide = i + 1 < raw.size() && raw[i + 1] == 'U';
            const qsizetype start = i + (wide ? 2 : 1);
            const int digits = wide ? 4 : 2;
            unsigned value = 0;
            int n = 0;
            while (n < digits && start + n < raw.size() && HexDigit(raw[start + n]) >= 0)
                value = value * 16 + unsigned(HexDigit(raw[start + n++]));
            if (n == digits) {
                key += QChar(char16_t(value));
                i = start + n;
                continue;
            }
        }
        qsizetype j = i + 1;
        while (j < raw.size() && raw[j] != '%' && raw[j] != '\\')
            ++j;
        key += QString::fromUtf8(raw.constData() + i, j - i);
        i = j;
    }
    return key;
}

QByteArray EscapeIniKey(const QString& key)
{
    QByteArray raw;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            raw += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                   c == '-' || c == '.') {
            raw += char(c);
        } else if (c <= 0xFF) {
            raw += '%';
            raw += HexUpper(c >> 4);
            raw += HexUpper(c);
        } else {
            raw += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                raw += HexUpper(c >> shift);
        }
    }
    return raw;
}

QString UnescapeIniValue(const QByteArray& raw)
{
    static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                                           {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QString value;
    qsizetype i = 0;
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
        ++i;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype keep = 0;  // characters an escape or a quote made, which trailing blanks never cut into
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == ';' && !inQuotes)
            break;  // a comment to the end of the line
        if (c == '"') {
            inQuotes = !inQuotes;
            quoted = true;
            ++i;
            while (!inQuotes && i < raw.size() && IsBlank(raw[i]))
                ++i;
            keep = value.size();
            continue;
        }
        if (c == '\\') {
            if (++i >= raw.size())
                break;
            const char e = raw[i++];
            bool named = false;
            for (const auto& pair : kEscapes) {
                if (e == pair[0]) {
                    value += QLatin1Char(pair[1]);
                    named = true;
                }
            }
            if (!named && (e == 'x' || (e >= '0' && e <= '7'))) {
                const int base = e == 'x' ? 16 : 8;
                char16_t code = e == 'x' ? 0 : char16_t(e - '0');
                while (i < raw.size()) {
                    const int d = HexDigit(raw[i]);
                    if (d < 0 || d >= base)
                        break;
                    code = char16_t(code * base + d);
                    ++i;
                }
                value += QChar(code);
            }
            keep = value.size();
            continue;
        }
        qsizetype j = i + 1;
        while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ';')
            ++j;
        value += QString::fromUtf8(raw.constData() + i, j - i);
        if (inQuotes)
            keep = value.size();
        i = j;
    }
    while (!quoted && value.size() > keep && (value.back() == u' ' || value.back() == u'\t' || value.back() == u'\r'))
        value.chop(1);
    if (value.startsWith(QLatin1String("@@")))
        value.remove(0, 1);
    return value;
}

QByteArray EscapeIniValue(const QString& value)
{
    QByteArray raw;
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHex && c < 0x80 && HexDigit(char(c)) >= 0) {
            raw += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case '\a': raw += "\\a"; break;
        case '\b': raw += "\\b"; break;
        case '\f': raw += "\\f"; break;
        case '\n': raw += "\\n"; break;
        case '\r': raw += "\\r"; break;
        case '\t': raw += "\\t"; break;
        case '\v': raw += "\\v"; break;
        case '"': raw += "\\\""; break;
        case '\\': raw += "\\\\"; break;
        default:
            if (c <= 0x1F) {
                raw += "\\x" + QByteArray::number(c, 16);
                escapeNextIfHex = true;
            } else if (QChar::isHighSurrogate(c) && i + 1 < text.size()) {
                raw += text.mid(i, 2).toUtf8();
                ++i;
            } else {
                raw += QString(QChar(c)).toUtf8();
            }
        }
    }
    if (needsQuotes || (!raw.isEmpty() && (raw.front() == ' ' || raw.back() == ' ')))
        raw = '"' + raw + '"';
    return raw;
}

QString IniDocument::Lookup(const QString& section, const QString& key)
{
    return section.toLower() + u'\n' + key.toLower();
}

IniDocument IniDocument::Parse(const QByteArray& text)
{
    IniDocument doc;
    doc.sections_.emplace_back();  // the lines before any header
    // A byte-order mark, which some editors put first, is no part of the first line (QSettings
    // skips it too); it is not written back.
    const QByteArray bom = "\xEF\xBB\xBF";
    QList<QByteArray> lines = (text.startsWith(bom) ? text.mid(bom.size()) : text).split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    QString sectionName;
    bool inSection = false;
    for (QByteArray& line : lines) {
        const QByteArray trimmed = TrimmedLine(line);
        if (const auto name = HeaderName(trimmed)) {
            sectionName = name->toLower();
            inSection = true;
            doc.sections_.emplace_back();
            doc.sectionIndex_.insert(sectionName, int(doc.sections_.size() - 1));
        }
        Section& section = doc.sections_.back();
        section.lines.push_back(std::move(line));
        const qsizetype equals = trimmed.indexOf('=');
        if (!inSection || equals <= 0 || trimmed.front() == ';' || trimmed.front() == '[')
            continue;
        section.lastEntry = int(section.lines.size() - 1);
        doc.entries_.insert(sectionName + u'\n' + UnescapeIniKey(TrimmedLine(trimmed.left(equals))).toLower(),
                            Place{int(doc.sections_.size() - 1), section.lastEntry});
    }
    return doc;
}

QByteArray IniDocument::Serialize() const
{
    QByteArray text;
    for (const Section& section : sections_) {
        for (const QByteArray& line : section.lines) {
            text += line;
            text += '\n';
        }
    }
    return text;
}

std::optional<QString> IniDocument::Value(const QString& section, const QString& key) const
{
    const auto it = entries_.constFind(Lookup(section, key));
    if (it == entries_.cend())
        return std::nullopt;
    const QByteArray& line = sections_[it->section].lines[it->line];
    QByteArray raw = line.mid(line.indexOf('=') + 1);
    if (raw.endsWith('\r'))
        raw.chop(1);
    if (TrimmedLine(raw) == "@Invalid()")
        return std::nullopt;
    return UnescapeIniValue(raw);
}

void IniDocument::SetValue(const QString& section, const QString& key, const QString& value)
{
    const QString lookup = Lookup(section, key);
    const auto it = entries_.constFind(lookup);
    if (it != entries_.cend()) {
        QByteArray& line = sections_[it->section].lines[it->line];
        line = TrimmedLine(line.left(line.indexOf('='))) + '=' + EscapeIniValue(value);  // its stored spelling
        return;
    }
    if (sections_.empty())
        sections_.emplace_back();
    auto index = sectionIndex_.constFind(section.toLower());
    if (index == sectionIndex_.cend()) {
        const Section& last = sections_.back();
        Section added;
        if (!last.lines.empty() && !TrimmedLine(last.lines.back()).isEmpty())
            sections_.back().lines.emplace_back();  // a blank line between sections, as QSettings writes
        added.lines.push_back('[' + EscapeIniKey(section) + ']');
        sections_.push_back(std::move(added));
        index = sectionIndex_.insert(section.toLower(), int(sections_.size() - 1));
    }
    Section& target = sections_[*index];
    // Only lines that are no entries follow the last entry, so no stored place moves.
    target.lastEntry += 1;
    target.lines.insert(target.lines.begin() + target.lastEntry, EscapeIniKey(key) + '=' + EscapeIniValue(value));
    entries_.insert(lookup, Place{*index, target.lastEntry});
}

}  // namespace platform
