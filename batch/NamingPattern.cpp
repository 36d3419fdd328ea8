#include "batch/NamingPattern.h"

#include <QCoreApplication>

namespace {

constexpr int kMaxCounterWidth = 9;

// The token at pattern[at] (which is '{'), and where the text after it starts; nothing when no
// token of ours starts there.
struct Token {
    QString word;
    int width = 0;  // {n:WIDTH}
    qsizetype end = 0;
};

std::optional<Token> TokenAt(const QString& pattern, qsizetype at)
{
    const qsizetype close = pattern.indexOf(u'}', at);
    if (close < 0)
        return std::nullopt;
    Token token{pattern.mid(at + 1, close - at - 1), 0, close + 1};
    static const QStringList kWords = {"name", "ext", "date", "time", "n", "folder", "width", "height"};
    if (token.word.startsWith(QLatin1String("n:"))) {
        bool ok = false;
        token.width = token.word.mid(2).toInt(&ok);
        if (!ok || token.width < 1 || token.width > kMaxCounterWidth || token.word.size() != 3)
            return std::nullopt;
        token.word = QStringLiteral("n");
    }
    if (!kWords.contains(token.word))
        return std::nullopt;
    return token;
}

QByteArray Padded(int value, int width, char pad = '0')
{
    return QByteArray::number(value).rightJustified(width, pad);
}

}  // namespace

std::optional<QString> NamingPatternProblem(const QString& pattern)
{
    if (pattern.isEmpty())
        return QCoreApplication::translate("CommandLine", "the naming pattern is empty");
    if (pattern.contains(u'/') || pattern.contains(QChar(0)))
        return QCoreApplication::translate("CommandLine", "a name cannot hold '/': outputs are named, not placed, by the pattern");
    for (qsizetype at = pattern.indexOf(u'{'); at >= 0; at = pattern.indexOf(u'{', at + 1)) {
        const std::optional<Token> token = TokenAt(pattern, at);
        if (!token)
            return QCoreApplication::translate("CommandLine", "unknown token '%1': use {name}, {ext}, {date}, {time}, {n}, {n:4}, "
                                                              "{folder}, {width} or {height}")
                .arg(pattern.mid(at, pattern.indexOf(u'}', at) < 0 ? -1 : pattern.indexOf(u'}', at) - at + 1));
        at = token->end - 1;
    }
    if (pattern.contains(u'}') && pattern.count(u'}') != pattern.count(u'{'))
        return QCoreApplication::translate("CommandLine", "a '}' in the naming pattern closes no token");
    return std::nullopt;
}

bool PatternReadsPhotos(const QString& pattern)
{
    for (const char* token : {"{date}", "{time}", "{width}", "{height}"})
        if (pattern.contains(QLatin1String(token)))
            return true;
    return false;
}

QByteArray NameByPattern(const QString& pattern, const NamingFacts& facts)
{
    if (NamingPatternProblem(pattern))
        return {};
    QByteArray name;
    qsizetype at = 0;
    while (at < pattern.size()) {
        const qsizetype open = pattern.indexOf(u'{', at);
        name += pattern.mid(at, open < 0 ? -1 : open - at).toUtf8();
        if (open < 0)
            break;
        const Token token = *TokenAt(pattern, open);
        const platform::TakenTime& t = facts.taken;
        if (token.word == QLatin1String("name"))
            name += facts.name;
        else if (token.word == QLatin1String("ext"))
            name += facts.ext;
        else if (token.word == QLatin1String("folder"))
            name += facts.folder;
        else if (token.word == QLatin1String("date"))
            name += Padded(t.year, 4) + '-' + Padded(t.month, 2) + '-' + Padded(t.day, 2);
        else if (token.word == QLatin1String("time"))
            name += Padded(t.hour, 2) + '-' + Padded(t.minute, 2) + '-' + Padded(t.second, 2);
        else if (token.word == QLatin1String("n"))
            name += Padded(facts.index, token.width);
        else if (token.word == QLatin1String("width"))
            name += QByteArray::number(facts.width);
        else if (token.word == QLatin1String("height"))
            name += QByteArray::number(facts.height);
        at = token.end;
    }
    // A name of nothing, or of dots alone, names no file of its own.
    if (name.isEmpty() || name.count('.') == name.size())
        return {};
    return name + ".png";
}
