#include "dialogs/gamedialogs.h"

GameDialogs::GameDialogs(QWidget *mainForm, int &tongueCode)
    : lostLevel(maker<TLostLevelDlg>(mainForm, tongueCode))
    , nextLevel(maker<TNextLevelDlg>(mainForm, tongueCode))
    , endGame(maker<TEndGameDlg>(mainForm, tongueCode))
    , freeware(maker<TFreewareDlg>(mainForm, tongueCode))
    , tongue(maker<TTongueDlg>(mainForm, tongueCode))
    , allLevels(maker<TAllLevelsDlg>(mainForm, tongueCode))
    , restart(maker<TRestartDlg>(mainForm, tongueCode))
    , giveUp(maker<TGiveUpDlg>(mainForm, tongueCode))
    , hint(maker<THintDlg>(mainForm, tongueCode))
{}
