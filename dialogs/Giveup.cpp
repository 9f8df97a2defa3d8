#include "dialogs/Giveup.h"

#include "dialogs/modalresult.h"

TGiveUpDlg::TGiveUpDlg(QWidget *mainForm, const int &tongue)
    : TGameDialog(mainForm, tongue, Catalogue::GiveUpQuestion, {56, 20, 189, 26}, FontWeight::Bold)
{
    // The confirmations have Yes on the left and No on the right.
    // The Yes button comes first in the tab order.
    OKBtn = addButton("OKBtn", 40, "bomb", ModalResult::Yes, Role::Default, Catalogue::Yes);
    CancelBtn = addButton("CancelBtn", 136, "cross", ModalResult::Cancel, Role::Cancel, Catalogue::No);
}
