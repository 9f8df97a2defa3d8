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
#include "dialogs/lostlev.h"

#include <functional>

/// One dialog, made when it is first asked for. Nothing a dialog shows
/// depends on when it was made: every showing sets its texts in the language
/// of the moment and places it, and from its first showing on it keeps the
/// focus (and the rules dialog its place) where the player left them, as a
/// dialog made with the main window does. Made at the start, the larger ones
/// would hold up the main window's first showing.
template <typename Dialog>
class LazyDialog {
public:
    explicit LazyDialog(std::function<Dialog *()> make) : m_make(std::move(make)) {}
    LazyDialog(const LazyDialog &) = delete;
    LazyDialog &operator=(const LazyDialog &) = delete;

    Dialog *get()
    {
        if (!m_dialog)
            m_dialog = m_make();
        return m_dialog;
    }
    Dialog *operator->() { return get(); }
    operator Dialog *() { return get(); }

private:
    std::function<Dialog *()> m_make;
    Dialog *m_dialog = nullptr;
};

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
