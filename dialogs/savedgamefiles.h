#pragma once
// Saving and loading the player's progress: the open and save dialogs, the
// game's own overwrite question, and the boxes that say a saved game could
// not be written or read.

#include "dialogs/lazydialog.h"
#include "game/progress.h"

#include <QFileDialog>
#include <QString>

#include <functional>

class SavedGameFiles {
public:
    /// How a save or load went: the player cancelled it, the saved game
    /// now holds the progress (written or read), or neither.
    enum Outcome { Cancelled, Done, Failed };

    /// The dialogs belong to owner and speak the language tongue holds at
    /// each showing; the open dialog starts in programFolder until a game
    /// has been saved or loaded. whenMade hears of each file dialog as it is
    /// made.
    SavedGameFiles(QWidget *owner, const int &tongue, const QString &programFolder,
                   std::function<void(QDialog *)> whenMade);

    /// Asks where to save, starting at savedGame, the saved game in use,
    /// and asks before overwriting a file. The file chosen becomes savedGame
    /// and flags are written to it; the player is told when that fails.
    Outcome save(QString &savedGame, const SolvedTable &flags);

    /// Asks which saved game to load, starting in the folder of savedGame.
    /// A regular file chosen is read into flags and becomes savedGame; when
    /// it cannot be read the player is told and both stay as they were.
    /// Failed also when nothing was read because no file was there.
    Outcome load(QString &savedGame, SolvedTable &flags);

    /// Each made at its first showing and kept for the run: a file dialog
    /// reads folders and file types as it is made, which would hold up the
    /// start.
    LazyDialog<QFileDialog> openDialog{[this] { return make(QFileDialog::AcceptOpen); }};
    LazyDialog<QFileDialog> saveDialog{[this] { return make(QFileDialog::AcceptSave); }};

private:
    QFileDialog *make(QFileDialog::AcceptMode mode);

    QWidget *m_owner;
    const int &m_tongue;
    const QString &m_programFolder;
    std::function<void(QDialog *)> m_whenMade;
};
