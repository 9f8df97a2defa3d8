#pragma once
// What the next start needs, kept while the game runs: the four settings and
// the progress not yet saved are written within a second of each change, and
// everything at once when the desktop saves its session or something outside
// ends the game. A game that ends without its close (a signal, the session's
// end, a lost display, a kill, a power cut) so loses at most the last second.
//
// These writes show the player nothing: a failure goes to stderr, once for
// each change that could not be written. The close writes the settings in
// its own order and tells the player of a failure, as it always has.

#include "game/progress.h"
#include "game/unsavedprogress.h"
#include "settings/gamesettings.h"

#include <QObject>

#include <functional>
#include <optional>

class PlacementKeeper;
class QTimer;

class GameKeeper : public QObject {
public:
    /// The values the settings keep, as the game has them now.
    using Current = std::function<GameSettings::Values()>;
    GameKeeper(GameSettings &settings, UnsavedProgress &unsaved, PlacementKeeper *placement,
               const SolvedTable &progress, Current current, QObject *parent);

    /// From now on what changes is kept; what the game has now counts as
    /// kept already, having just been read.
    void start();
    /// Writes what changed since it was last written: the progress first,
    /// then the settings, then a move of the window not yet settled.
    void keepChanges();
    /// As keepChanges(), and the window's place whatever its timer says: the
    /// desktop is saving its session.
    void keepAll();
    /// Keeps everything, for the last time: the game is being ended from
    /// outside.
    void end();

    /// The player has had the choice to save, at the close: the progress
    /// not saved is the player's choice now, and is kept no more.
    void progressChosen();
    /// The close's own write of the four settings, in their order; after it
    /// nothing is kept any more. The first failure, for the player.
    std::optional<SettingsError> closeWrites();

    /// Whether the game has ended and nothing is written any more.
    bool ended() const { return m_ended; }

private:
    void keepProgress();
    void keepSettings();

    GameSettings &m_settings;
    UnsavedProgress &m_unsaved;
    PlacementKeeper *m_placement;
    const SolvedTable &m_progress;
    Current m_current;
    QTimer *m_watch;
    bool m_started = false;
    bool m_ended = false;
    bool m_progressChosen = false;
    GameSettings::Values m_written;              ///< what the settings hold, or were last asked to hold
    std::optional<SolvedTable> m_unkeptProgress; ///< the progress last found not to be written
};
