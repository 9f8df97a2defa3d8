#include "dialogs/Endgame.h"

#include "dialogs/modalresult.h"

TEndGameDlg::TEndGameDlg(QWidget *mainForm, const int &tongue)
    : TGameDialog(mainForm, tongue, Catalogue::EndGameQuestion, {72, 20, 153, 29}, FontWeight::Bold)
{
    // The confirmations have Yes on the left and No on the right.
    // The Yes button comes first in the tab order.
    OKBtn = addButton("OKBtn", 40, "door", ModalResult::Yes, Role::Default, Catalogue::Yes);
    CancelBtn = addButton("CancelBtn", 136, "cross", ModalResult::Cancel, Role::Cancel, Catalogue::No);
}
