#include "dialogs/alllevels.h"

#include "dialogs/modalresult.h"

TAllLevelsDlg::TAllLevelsDlg(QWidget *mainForm, const int &tongue)
    : TGameDialog(mainForm, tongue, Catalogue::AllLevelsNotice, {88, 20, 121, 29}, FontWeight::Regular)
{
    OKBtn = addButton("OKBtn", 92, "smile", ModalResult::Ok, Role::Default, Catalogue::Ok);
    OKBtn->setMargin(5);
}
