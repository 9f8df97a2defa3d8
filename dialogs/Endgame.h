#pragma once
// The question before the game ends.

#include "dialogs/gamedialog.h"

class TEndGameDlg : public TGameDialog {
    Q_OBJECT
public:
    /// tongue is the main window's language code, read at every showing.
    TEndGameDlg(QWidget *mainForm, const int &tongue);

    PictureButton *OKBtn;
    PictureButton *CancelBtn;
};
