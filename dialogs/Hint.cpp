#include "dialogs/Hint.h"

#include "dialogs/centreonscreen.h"
#include "dialogs/enterpressesbutton.h"
#include "dialogs/modalresult.h"
#include "services/framewatch.h"
#include "texts/catalogue.h"
#include "texts/infotexts.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

THintDlg::THintDlg(QWidget *mainForm, const int &tongue)
    : TZorbixDialog(mainForm, {446, 327}, FontWeight::Bold)
    , m_tongue(tongue)
{
    setWindowTitle(Catalogue::DialogCaption);
    // Created in the tab order: the button, then the German and the English rules.
    OKBtn = new PictureButton(Catalogue::Ok, dialogPicture("smile"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(192, 292, 77, 27);
    OKBtn->setDefault(true);
    answerWith(OKBtn, ModalResult::Ok);
    setFirstFocus(OKBtn);

    Bevel1 = makeBevel(this, "Bevel1", {8, 8, 433, 273});
    Image1 = makeIconImage(this, "Image1", {8, 288, 32, 32}, mainForm);
    tipD = makeMemo(this, "tipD", {16, 16, 417, 257}, InfoTexts::Rules.in(German));
    TipE = makeMemo(this, "TipE", {16, 16, 417, 257}, InfoTexts::Rules.in(English));

    tipD->setAccessibleName(Catalogue::RulesName.in(German));
    TipE->setAccessibleName(Catalogue::RulesName.in(English));

    auto *enterPressesOk = new EnterPressesButton(OKBtn, this);
    tipD->installEventFilter(enterPressesOk);
    TipE->installEventFilter(enterPressesOk);
}

void THintDlg::FormActivate()
{
    tipD->setVisible(m_tongue == German);
    TipE->setVisible(m_tongue != German);
}

void THintDlg::placeDialog()
{
    // Only the first showing is placed; later ones open where the player left it.
    if (m_leftByPlayer)
        return;
    const QScreen *screen = mainForm()->screen();
    moveOuterFrame(this, centreOnScreen(screen->geometry(), outerFrameOf(this).size()));
}

void THintDlg::done(int result)
{
    m_leftByPlayer = true;
    TZorbixDialog::done(result);
}
