#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>

namespace platform {

// Longest value a profile read gives, in UTF-16 code units.
inline constexpr int kMaxProfileValueChars = 2047;

// A private-profile (INI) file, parsed once from its bytes and read the way Windows reads one:
// sections and keys match without regard to case, blanks around keys and values are dropped,
// the first matching section and, within it, the first matching key win, a value in matching
// double or single quotes loses them, lines without '=' and lines starting with ';' are
// ignored, lines end with LF or CR LF. A file starting with the UTF-16 LE byte-order mark is
// UTF-16 text (its values are given as UTF-8); any other file is bytes, which the reader decodes
// in the code page it knows (a UTF-8 byte-order mark is skipped).
class PrivateProfile {
public:
    PrivateProfile() = default;
    explicit PrivateProfile(const QByteArray& file);

    bool IsUtf16() const { return utf16_; }
    // The value's bytes as the file has them; empty when the section or key is missing.
    QByteArray RawValue(const QString& section, const QString& key) const;

private:
    bool utf16_ = false;
    QHash<QByteArray, QByteArray> values_;  // "section\nkey", both lower-cased, to raw value
};

// A decoded value cut to kMaxProfileValueChars, never in the middle of a character.
QString CutProfileValue(QString text);

}  // namespace platform
