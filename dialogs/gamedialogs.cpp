#include "dialogs/gamedialogs.h"

// The members are initialised in their declaration order, which is the order
// the game creates its dialogs in.
GameDialogs::GameDialogs(QWidget *mainForm, int &tongueCode)
    : lostLevel(new TLostLevelDlg(mainForm, tongueCode))
    , nextLevel(new TNextLevelDlg(mainForm, tongueCode))
    , endGame(new TEndGameDlg(mainForm, tongueCode))
    , freeware(new TFreewareDlg(mainForm, tongueCode))
    , tongue(new TTongueDlg(mainForm, tongueCode))
    , allLevels(new TAllLevelsDlg(mainForm, tongueCode))
    , restart(new TRestartDlg(mainForm, tongueCode))
    , giveUp(new TGiveUpDlg(mainForm, tongueCode))
    , hint(new THintDlg(mainForm, tongueCode))
{
}
