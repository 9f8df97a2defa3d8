#include "settings/settingsstore.h"

#include "settings/settingserror.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariant>

#include <utility>

namespace {

/// The value of one digit in the given base, or -1 when it is none.
int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (base == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

SettingsStore::SettingsStore()
#ifdef Q_OS_WIN
    : m_location(QStringLiteral("HKEY_CURRENT_USER\\Software\\ZorbixGames\\ZorbixHoplix\\V1"))
    , m_format(QSettings::NativeFormat)
#else
    : m_location(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                 + QStringLiteral("/ZorbixGames/ZorbixHoplix/V1.ini"))
    , m_format(QSettings::IniFormat)
#endif
{}

SettingsStore::SettingsStore(const QString &iniPath) : m_location(iniPath), m_format(QSettings::IniFormat) {}

qint32 SettingsStore::ReadInteger(const QString &section, const QString &key, qint32 defaultValue) const
{
    const std::optional<QString> text = readText(section, key);
    if (!text)
        return defaultValue;
    return parseInteger(*text).value_or(defaultValue);
}

bool SettingsStore::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QString SettingsStore::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return readText(section, key).value_or(defaultValue);
}

void SettingsStore::WriteInteger(const QString &section, const QString &key, qint32 value)
{
    writeText(section, key, QString::number(value));
}

void SettingsStore::WriteBool(const QString &section, const QString &key, bool value)
{
    writeText(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::WriteString(const QString &section, const QString &key, const QString &value)
{
    writeText(section, key, value);
}

void SettingsStore::DeleteValue(const QString &section, const QString &key)
{
    if (!safeToOpen())
        return; // no settings file, so no value to remove
    QSettings settings(m_location, m_format);
    settings.beginGroup(section);
    if (!settings.contains(key))
        return;
    requireWritable(section);
    settings.remove(key);
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        throw SettingsError::cannotSet(key);
}

std::optional<qint32> SettingsStore::parseInteger(QStringView text)
{
    const qsizetype end = text.size();
    qsizetype i = 0;
    while (i < end && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    int base = 10;
    const QStringView rest = text.sliced(i);
    if (rest.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        i += 2;
    } else if (rest.startsWith(u'$') || rest.startsWith(u'x', Qt::CaseInsensitive)) {
        base = 16;
        i += 1;
    }
    if (i == end)
        return std::nullopt;

    // The magnitude of the lowest value, 2^31, is one more than the highest.
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 magnitude = 0;
    for (; i < end; ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return qint32(negative ? -magnitude : magnitude);
}

std::optional<QString> SettingsStore::readText(const QString &section, const QString &key) const
{
    if (!safeToOpen())
        return unreadable(key);
    QSettings settings(m_location, m_format);
    // A missing file is no error; one that exists but cannot be read is. A
    // file Qt finds malformed is none either: the values it could make out
    // are read as they stand (and Qt reports the fault only to the first
    // reader, so every value must be treated alike).
    if (settings.status() == QSettings::AccessError)
        return unreadable(key);
    settings.beginGroup(section);
    if (!settings.contains(key))
        return std::nullopt;

    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    // Qt's INI reader splits an unquoted value at its commas. Values written
    // here are quoted, but a hand-edited line such as the window placement
    // "MainForm=0,0,1,..." comes back as a list; joined it is the text again.
    // In the registry a list is a multi-string value, which is no plain text.
    if (value.typeId() == QMetaType::QStringList && m_format == QSettings::IniFormat)
        return value.toStringList().join(u',');
    throw SettingsError::wrongType(key);
}

void SettingsStore::writeText(const QString &section, const QString &key, const QString &text)
{
    requireWritable(section);
    QSettings settings(m_location, m_format);
    settings.beginGroup(section);
    settings.setValue(key, text);
    settings.sync();
    // Only a failed write counts: a FormatError describes the old file's
    // content, which the write has just replaced.
    if (settings.status() == QSettings::AccessError)
        throw SettingsError::cannotSet(key);
}

std::optional<QString> SettingsStore::unreadable(const QString &key) const
{
    // The player hears once that the store cannot be read, not once per
    // value; from then on every read takes its default.
    if (std::exchange(m_unreadableReported, true))
        return std::nullopt;
    throw SettingsError::cannotGet(key);
}

bool SettingsStore::safeToOpen() const
{
    if (m_format != QSettings::IniFormat)
        return true;
    // A folder, or a named pipe that would keep the game waiting, where the
    // settings file belongs is never opened.
    const QFileInfo file(m_location);
    return !file.exists() || file.isFile();
}

void SettingsStore::requireWritable(const QString &section) const
{
    if (m_format != QSettings::IniFormat)
        return;
    // The folder stands for the registry's program key and section. A write
    // that cannot succeed is not even begun: Qt keeps the changes of a failed
    // write pending in its own cache of the file and would try them again at
    // the next open, long after this operation has failed. Qt replaces the
    // file through a new one beside it, so the folder must take new files.
    const QFileInfo file(m_location);
    const QString folder = file.absolutePath();
    const bool folderReady = QDir().mkpath(folder) && QFileInfo(folder).isWritable();
    const bool fileReady = !file.exists() || (file.isFile() && file.isWritable());
    if (!folderReady || !fileReady)
        throw SettingsError::cannotCreateSection(section);
}
