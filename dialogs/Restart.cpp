#include "dialogs/Restart.h"

#include "dialogs/modalresult.h"

TRestartDlg::TRestartDlg(QWidget *mainForm, const int &tongue)
    : TGameDialog(mainForm, tongue, Catalogue::RestartQuestion, {52, 16, 193, 33}, FontWeight::Bold)
{
    // The confirmations have Yes on the left and No on the right.
    // The Yes button comes first in the tab order.
    OKBtn = addButton("OKBtn", 40, "door", ModalResult::Yes, Role::Default, Catalogue::Yes);
    CancelBtn = addButton("CancelBtn", 136, "cross", ModalResult::Cancel, Role::Cancel, Catalogue::No);
}
