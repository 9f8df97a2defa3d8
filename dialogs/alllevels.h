#pragma once
// The notice after the last unsolved level was solved. It has no cancel
// button, so Escape leaves it open.

#include "dialogs/gamedialog.h"

class TAllLevelsDlg : public TGameDialog {
    Q_OBJECT
public:
    /// tongue is the main window's language code, read at every showing.
    TAllLevelsDlg(QWidget *mainForm, const int &tongue);

    PictureButton *OKBtn;
};
