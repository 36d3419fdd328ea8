#pragma once
#include <optional>

#include <QString>

class SettingsStoreProbe;

namespace platform {

// The largest settings file read: no real one comes near it, and a larger one (a mistake, or a
// file put there to slow the program down) is left alone, never read and never rewritten.
inline constexpr qint64 kMaxSettingsFileBytes = qint64{4} << 20;

// The per-user settings store: sections of named string and 32-bit integer values, kept in
// an INI file under the company key and the application's name. Section and key names match
// without regard to letter case. Reads give the default when a value is missing. The file is read
// once, at the first use; writes change the store in memory until Save, which reads the file as
// it is on disk then and changes in it only the keys this process changed, so that two windows
// open at once both keep their changes. Lines the store does not know (comments, lines without
// '=') are kept.
class SettingsStore {
public:
    static void SetRegistryKey(const QString& company);
    static QString GetProfileString(const QString& section, const QString& key, const QString& def);
    static int GetProfileInt(const QString& section, const QString& key, int def);
    static bool WriteProfileString(const QString& section, const QString& key, const QString& value);
    static bool WriteProfileInt(const QString& section, const QString& key, int value);
    // Writes the file if anything changed; false when it could not be written. Nothing is ever
    // written through a name that is not a regular file (or a link to one), nor over a file
    // larger than kMaxSettingsFileBytes.
    static bool Save();

private:
    friend class ::SettingsStoreProbe;  // tests look at the file and read it again as a new start would

    // Forgets what was read: the next use reads the file again, as at the next start.
    static void Reload();
    // The file that holds the store.
    static QString FileName();
};

// A stored integer text as a 32-bit value: decimal, an unsigned value read as its two's
// complement (4294967283 reads as -13); nothing when it is not a number or wider than 32 bits.
std::optional<int> ParseStoredInt(const QString& text);

}  // namespace platform
