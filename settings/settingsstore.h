#pragma once
// The per-user settings of the game: typed reads with a default and typed
// writes, every value kept as text. On Windows the values live in the
// registry below HKEY_CURRENT_USER\Software\ZorbixGames\ZorbixHoplix\V1, one
// subkey per section; elsewhere in the INI file
// <config folder>/ZorbixGames/ZorbixHoplix/V1.ini, one group per section.
//
// Every operation opens the store, does one read or one write, syncs and
// closes it again: nothing is cached, so a value written is seen by the next
// read at once, also from another store object. Failures throw SettingsError;
// a store that cannot be read at all says so at its first read only, and
// every later read takes its default.

#include <QSettings>
#include <QString>
#include <QStringView>

#include <optional>

class SettingsStore {
public:
    /// The game's own store (registry on Windows, INI file elsewhere).
    SettingsStore();
    /// A store kept in the INI file at iniPath, on every platform.
    explicit SettingsStore(const QString &iniPath);

    /// The stored integer; the default when the value is missing or its text
    /// is no integer by parseInteger's rules.
    qint32 ReadInteger(const QString &section, const QString &key, qint32 defaultValue) const;
    /// ReadInteger with default 1 or 0; true exactly when the result is not 0.
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;
    /// The stored text, or the default when the value is missing.
    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;

    /// Stores the decimal text of value ("-1", "200").
    void WriteInteger(const QString &section, const QString &key, qint32 value);
    /// Stores "1" or "0".
    void WriteBool(const QString &section, const QString &key, bool value);
    /// Stores the text unchanged, replacing a value of any type.
    void WriteString(const QString &section, const QString &key, const QString &value);
    /// Removes the value; a missing value is no failure and creates nothing.
    void DeleteValue(const QString &section, const QString &key);

    /// Reads a stored integer text: blanks (spaces, tabs) may lead, then an
    /// optional "+" or "-", then decimal digits, or hexadecimal digits after
    /// "$", "x", "X", "0x" or "0X" (the sign comes before the prefix:
    /// "-$1F" is -31). Hexadecimal digits are a magnitude like decimal ones,
    /// so the range check of -2147483648..2147483647 applies after the sign:
    /// "-0x80000000" is the lowest value, "0xFFFFFFFF" is out of range.
    /// Anything else, the empty text and trailing characters included, is
    /// nothing.
    static std::optional<qint32> parseInteger(QStringView text);

    /// Where the values live: the INI file's path or the registry key.
    const QString &location() const { return m_location; }

private:
    /// The stored text, nothing when the value is missing.
    std::optional<QString> readText(const QString &section, const QString &key) const;
    void writeText(const QString &section, const QString &key, const QString &text);
    /// The first time: throws that the store cannot be read; later: nothing.
    std::optional<QString> unreadable(const QString &key) const;
    /// False when something other than a regular file (a folder, a named
    /// pipe) stands where the INI file belongs: opening it would fail, or
    /// wait for ever.
    bool safeToOpen() const;
    /// Makes sure the INI file's folder exists and the file can be written.
    void requireWritable(const QString &section) const;

    QString m_location;
    QSettings::Format m_format;
    mutable bool m_unreadableReported = false;
};
