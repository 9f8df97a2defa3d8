#include "settings/settingserror.h"

SettingsError::SettingsError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}

SettingsError SettingsError::wrongType(const QString &valueName)
{
    return SettingsError(QStringLiteral(u"Ungültiger Datentyp für '%1'").arg(valueName));
}

SettingsError SettingsError::cannotCreateSection(const QString &sectionName)
{
    return SettingsError(QStringLiteral(u"Erzeugung von Schlüssel %1 misslungen").arg(sectionName));
}

SettingsError SettingsError::cannotSet(const QString &valueName)
{
    return SettingsError(QStringLiteral(u"Fehler beim Setzen der Daten für '%1'").arg(valueName));
}

SettingsError SettingsError::cannotGet(const QString &valueName)
{
    return SettingsError(QStringLiteral(u"Fehler beim Holen der Daten für '%1'").arg(valueName));
}
