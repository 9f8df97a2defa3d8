#pragma once
// The game's own values in the settings store: which section and keys hold
// them, their defaults, how a stored level is brought within the level set,
// and which failures the player is told of.
//
// A value that cannot be read is reported and its default taken, so the game
// still starts; a store that cannot be read at all is reported at its first
// read only. At the close every value is written even when one fails, and
// the player hears of the first failure only.

#include "settings/settingserror.h"
#include "settings/settingsstore.h"
#include "texts/catalogue.h"

#include <QString>

#include <functional>
#include <optional>

class GameSettings {
public:
    /// The section that holds every value of the game, the window's
    /// placement included.
    static const QString Section;
    static const QString TongueKey, LevelKey, SaveKey, SoundKey;

    /// What the game keeps for the player from one run to the next.
    struct Values {
        bool sound = true;
        int level = 1;
        int tongue = Undecided; ///< the language code
        QString savedGame;      ///< the saved game in use; empty: none

        friend bool operator==(const Values &, const Values &) = default;
    };

    /// Failures to read go to report, which tells the player.
    using Report = std::function<void(const SettingsError &)>;
    GameSettings(SettingsStore &store, Report report);

    int tongue() const;
    /// The stored level, within 1..levelCount.
    int level(int levelCount) const;
    QString savedGame() const;
    bool sound() const;

    /// Writes sound, level, language and saved game, in that order, each
    /// even when one before has failed. The first failure, for the player.
    std::optional<SettingsError> save(const Values &values);

private:
    template <typename T, typename Read>
    T readOr(T fallback, Read read) const;

    SettingsStore &m_store;
    Report m_report;
};
