#pragma once
// The failure of a settings read or write, carrying the German message that
// the application's general error handler shows to the player.

#include <QString>

#include <stdexcept>

class SettingsError : public std::runtime_error {
public:
    explicit SettingsError(const QString &message);

    /// The text for the message box, always German.
    const QString &message() const { return m_message; }

    /// A stored value is not text (a number or binary value, say).
    static SettingsError wrongType(const QString &valueName);
    /// The place for the section cannot be created or written.
    static SettingsError cannotCreateSection(const QString &sectionName);
    /// The value could not be stored (or removed).
    static SettingsError cannotSet(const QString &valueName);
    /// The stored values could not be read.
    static SettingsError cannotGet(const QString &valueName);

private:
    QString m_message;
};
