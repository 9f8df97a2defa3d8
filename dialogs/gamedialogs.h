#pragma once
// All dialogs of the game, owned by the main window: each is made the first
// time the game asks for it and kept for the rest of the run, hidden, never
// destroyed, between showings.

#include "dialogs/Endgame.h"
#include "dialogs/Freeware.h"
#include "dialogs/Giveup.h"
#include "dialogs/Hint.h"
#include "dialogs/Nextlev.h"
#include "dialogs/Restart.h"
#include "dialogs/Tongdlg.h"
#include "dialogs/alllevels.h"
#include "dialogs/lazydialog.h"
#include "dialogs/lostlev.h"

#include <functional>

struct GameDialogs {
    /// tongueCode is the main window's language code: every dialog reads it at
    /// each showing, the language dialog sets it.
    GameDialogs(QWidget *mainForm, int &tongueCode);
    GameDialogs(const GameDialogs &) = delete;
    GameDialogs &operator=(const GameDialogs &) = delete;

    /// Told of each dialog as it is made.
    std::function<void(QDialog *)> whenMade;

    LazyDialog<TLostLevelDlg> lostLevel;
    LazyDialog<TNextLevelDlg> nextLevel;
    LazyDialog<TEndGameDlg> endGame;
    LazyDialog<TFreewareDlg> freeware;
    LazyDialog<TTongueDlg> tongue;
    LazyDialog<TAllLevelsDlg> allLevels;
    LazyDialog<TRestartDlg> restart;
    LazyDialog<TGiveUpDlg> giveUp;
    LazyDialog<THintDlg> hint;

private:
    template <typename Dialog>
    std::function<Dialog *()> maker(QWidget *mainForm, int &tongueCode)
    {
        return [this, mainForm, &tongueCode] {
            auto *dialog = new Dialog(mainForm, tongueCode);
            if (whenMade)
                whenMade(dialog);
            return dialog;
        };
    }
};
