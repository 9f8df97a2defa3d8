#pragma once
// All dialogs of the game, created once right after the main window, in the
// game's order, and owned by the main window: they are hidden, never
// destroyed, between showings and go with the main window.

#include "dialogs/Endgame.h"
#include "dialogs/Freeware.h"
#include "dialogs/Giveup.h"
#include "dialogs/Hint.h"
#include "dialogs/Nextlev.h"
#include "dialogs/Restart.h"
#include "dialogs/Tongdlg.h"
#include "dialogs/alllevels.h"
#include "dialogs/lostlev.h"

struct GameDialogs {
    /// tongueCode is the main window's language code: every dialog reads it at
    /// each showing, the language dialog sets it.
    GameDialogs(QWidget *mainForm, int &tongueCode);

    TLostLevelDlg *const lostLevel;
    TNextLevelDlg *const nextLevel;
    TEndGameDlg *const endGame;
    TFreewareDlg *const freeware;
    TTongueDlg *const tongue;
    TAllLevelsDlg *const allLevels;
    TRestartDlg *const restart;
    TGiveUpDlg *const giveUp;
    THintDlg *const hint;
};
