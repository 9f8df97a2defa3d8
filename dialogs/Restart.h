#pragma once
// The question before the whole game starts anew.

#include "dialogs/gamedialog.h"

class TRestartDlg : public TGameDialog {
    Q_OBJECT
public:
    /// tongue is the main window's language code, read at every showing.
    TRestartDlg(QWidget *mainForm, const int &tongue);

    PictureButton *OKBtn;
    PictureButton *CancelBtn;
};
