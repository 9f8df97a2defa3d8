#pragma once
// The info dialog: the game's title, the maker's contact block with two
// links, the membership line and the terms of use, in the language of the
// moment. It greets the player at every start and every close.

#include "dialogs/picturebutton.h"
#include "dialogs/zorbixdialog.h"

class LinkLabel;
class QFrame;
class QLabel;
class QPlainTextEdit;

class TFreewareDlg : public TZorbixDialog {
    Q_OBJECT
public:
    /// tongue is the main window's language code, read at every showing.
    TFreewareDlg(QWidget *mainForm, const int &tongue);

    QFrame *Bevel1;
    QLabel *progname;
    QLabel *Image1;
    QLabel *Image4;
    PictureButton *OKBtn;
    QFrame *Bevel3;
    QLabel *Image5;
    QPlainTextEdit *Memodeu;
    QLabel *Label4;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label13;
    QLabel *savelabel;
    QFrame *Bevel2;
    QPlainTextEdit *Memoeng;
    QLabel *Label8;
    LinkLabel *EmailLink;
    LinkLabel *HomepageLink;

protected:
    void FormActivate() override;

private:
    const int &m_tongue;
};
