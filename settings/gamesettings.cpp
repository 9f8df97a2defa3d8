#include "settings/gamesettings.h"

#include <algorithm>

const QString GameSettings::Section = QStringLiteral("common");
const QString GameSettings::TongueKey = QStringLiteral("tongue");
const QString GameSettings::LevelKey = QStringLiteral("level");
const QString GameSettings::SaveKey = QStringLiteral("save");
const QString GameSettings::SoundKey = QStringLiteral("sound");

namespace {
const GameSettings::Values Defaults;
}

GameSettings::GameSettings(SettingsStore &store, Report report) : m_store(store), m_report(std::move(report)) {}

template <typename T, typename Read>
T GameSettings::readOr(T fallback, Read read) const
{
    try {
        return read();
    } catch (const SettingsError &error) {
        m_report(error);
        return fallback;
    }
}

int GameSettings::tongue() const
{
    return readOr(Defaults.tongue, [this] { return m_store.ReadInteger(Section, TongueKey, Defaults.tongue); });
}

int GameSettings::level(int levelCount) const
{
    const int stored =
        readOr(Defaults.level, [this] { return m_store.ReadInteger(Section, LevelKey, Defaults.level); });
    return std::clamp(stored, 1, levelCount);
}

QString GameSettings::savedGame() const
{
    return readOr(Defaults.savedGame, [this] { return m_store.ReadString(Section, SaveKey, Defaults.savedGame); });
}

bool GameSettings::sound() const
{
    return readOr(Defaults.sound, [this] { return m_store.ReadBool(Section, SoundKey, Defaults.sound); });
}

std::optional<SettingsError> GameSettings::save(const Values &values)
{
    // A settings folder that cannot be written must not keep the game from
    // closing, nor lose the values that can still be written.
    std::optional<SettingsError> failure;
    const auto write = [&failure](auto store) {
        try {
            store();
        } catch (const SettingsError &error) {
            if (!failure)
                failure = error;
        }
    };
    write([&] { m_store.WriteBool(Section, SoundKey, values.sound); });
    write([&] { m_store.WriteInteger(Section, LevelKey, values.level); });
    write([&] { m_store.WriteInteger(Section, TongueKey, values.tongue); });
    write([&] { m_store.WriteString(Section, SaveKey, values.savedGame); });
    return failure;
}
