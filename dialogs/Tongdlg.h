#pragma once
// The language dialog: the player picks English or German. Its buttons set
// the main window's language code; closing it by the close box leaves the
// code as it was. There is no cancel button, so Escape does nothing.

#include "dialogs/picturebutton.h"
#include "dialogs/zorbixdialog.h"

class QFrame;
class QLabel;

class TTongueDlg : public TZorbixDialog {
    Q_OBJECT
public:
    /// tongue is the main window's language code, which the buttons set.
    TTongueDlg(QWidget *mainForm, int &tongue);

    QFrame *Bevel1;
    PictureButton *EnglishBtn;
    QLabel *Image4;
    PictureButton *GermanBtn;

private:
    void EnglishBtnClick();
    void GermanBtnClick();

    int &m_tongue;
};
