#pragma once
// The question before the level being played starts again.

#include "dialogs/gamedialog.h"

class TGiveUpDlg : public TGameDialog {
    Q_OBJECT
public:
    /// tongue is the main window's language code, read at every showing.
    TGiveUpDlg(QWidget *mainForm, const int &tongue);

    PictureButton *OKBtn;
    PictureButton *CancelBtn;
};
