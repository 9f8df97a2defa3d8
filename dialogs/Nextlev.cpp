#include "dialogs/Nextlev.h"

#include "dialogs/modalresult.h"

TNextLevelDlg::TNextLevelDlg(QWidget *mainForm, const int &tongue)
    : TGameDialog(mainForm, tongue, Catalogue::NextLevelQuestion, {72, 20, 153, 26}, FontWeight::Bold)
{
    // The level questions have No on the left and Yes on the right.
    // The Yes button comes first in the tab order.
    YesBtn = addButton("YesBtn", 136, "next", ModalResult::Yes, Role::Default, Catalogue::Yes);
    NoBtn = addButton("NoBtn", 48, "cross", ModalResult::No, Role::Cancel, Catalogue::No);
}
