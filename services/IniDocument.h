#pragma once
#include <optional>
#include <vector>

#include <QByteArray>
#include <QHash>
#include <QString>

namespace platform {

// The settings file as lines, in the INI dialect QSettings reads and writes: "[Section]" headers,
// "key=value" entries with QSettings' escapes and quotes. Section and key names match without
// regard to letter case; of two entries for one key the later wins. Every line the document does
// not change (comments, lines without '=', entries of other keys) is written back as it was read,
// in its place; a new key goes after the last entry of its section, a new section at the end.
class IniDocument {
public:
    IniDocument() = default;
    // Parses UTF-8 text; any bytes give a document, at worst one without entries.
    static IniDocument Parse(const QByteArray& text);
    QByteArray Serialize() const;

    std::optional<QString> Value(const QString& section, const QString& key) const;
    void SetValue(const QString& section, const QString& key, const QString& value);

private:
    struct Section {
        std::vector<QByteArray> lines;  // the header first, except for the lines before any header
        int lastEntry = 0;              // where a new key goes after
    };
    struct Place {
        int section = 0;
        int line = 0;
    };
    static QString Lookup(const QString& section, const QString& key);

    std::vector<Section> sections_;
    QHash<QString, int> sectionIndex_;  // lower-cased name to its last section
    QHash<QString, Place> entries_;     // lower-cased "section\nkey" to its last entry
};

// QSettings' INI escapes, on their own for table tests.
QString UnescapeIniValue(const QByteArray& raw);
QByteArray EscapeIniValue(const QString& value);
QString UnescapeIniKey(const QByteArray& raw);
QByteArray EscapeIniKey(const QString& key);

}  // namespace platform
