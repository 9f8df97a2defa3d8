#pragma once
// The question after a lost level: play it again?

#include "dialogs/gamedialog.h"

class TLostLevelDlg : public TGameDialog {
    Q_OBJECT
public:
    /// tongue is the main window's language code, read at every showing.
    TLostLevelDlg(QWidget *mainForm, const int &tongue);

    PictureButton *YesBtn;
    PictureButton *NoBtn;
};
