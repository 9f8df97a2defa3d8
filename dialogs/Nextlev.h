#pragma once
// The question after a solved level: go on to the next one?

#include "dialogs/gamedialog.h"

class TNextLevelDlg : public TGameDialog {
    Q_OBJECT
public:
    /// tongue is the main window's language code, read at every showing.
    TNextLevelDlg(QWidget *mainForm, const int &tongue);

    PictureButton *YesBtn;
    PictureButton *NoBtn;
};
