#pragma once
// The rules dialog: the rules of the game in the language of the moment.
// The player may scroll and even type in the rules; that stays until the
// program ends and is never stored. It opens in the middle of the screen
// the first time and afterwards wherever the player left it.

#include "dialogs/picturebutton.h"
#include "dialogs/zorbixdialog.h"

class QFrame;
class QLabel;
class QPlainTextEdit;

class THintDlg : public TZorbixDialog {
    Q_OBJECT
public:
    /// tongue is the main window's language code, read at every showing.
    THintDlg(QWidget *mainForm, const int &tongue);

    void done(int result) override;

    PictureButton *OKBtn;
    QFrame *Bevel1;
    QLabel *Image1;
    QPlainTextEdit *tipD;
    QPlainTextEdit *TipE;

protected:
    void FormActivate() override;
    void placeDialog() override;

private:
    const int &m_tongue;
    bool m_leftByPlayer = false;
};
