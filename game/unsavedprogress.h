#pragma once
// The progress the player has made since it was last saved or loaded, kept
// in a file of its own: a game that ends without its close (a signal, the
// session's end, a lost display, a kill) offers no save dialog, and the next
// start takes the progress back from here. The file has the saved-game form,
// 800 bytes, and lies in the game's data folder; it goes once the player has
// had the choice to save.

#include "game/progress.h"

#include <QString>

#include <optional>

class UnsavedProgress {
public:
    /// The file at path; by default unsaved.zhx in the game's data folder
    /// ($XDG_DATA_HOME/ZorbixGames/ZorbixHoplix, ~/.local/share/… when unset).
    explicit UnsavedProgress(QString path = defaultPath());
    static QString defaultPath();
    const QString &path() const { return m_path; }

    /// The progress as the saved game in use holds it, just read or written:
    /// only progress that differs from it is kept.
    void setSaved(const SolvedTable &saved);

    /// At start, after the saved game in use was read and before the first
    /// keep(): the progress a run that ended without its close left, if any. A file that is not a whole
    /// saved game is removed and nothing taken; *problem then says why.
    std::optional<SolvedTable> take(QString *problem);

    /// Writes progress to the file when it differs from the saved one, and
    /// removes the file when it does not; nothing when the file already says
    /// so. False when the file could not be written or removed.
    bool keep(const SolvedTable &progress);

    /// The player has had the choice to save: the file goes.
    bool discard();

private:
    QString m_path;
    SolvedTable m_saved;
    /// What the file holds, as take() found it and keep() left it; nothing:
    /// no file.
    std::optional<SolvedTable> m_inFile;
};
