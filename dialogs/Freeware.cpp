#include "dialogs/Freeware.h"

#include "dialogs/enterpressesbutton.h"
#include "dialogs/modalresult.h"
#include "services/linklabel.h"
#include "texts/catalogue.h"
#include "texts/infotexts.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

/// The contact labels size themselves to their text from their top-left,
/// as the game's labels do; a link is never cut short of its address.
void growToText(QLabel *label)
{
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

QLabel *makeContactLine(QWidget *parent, const char *name, QPoint topLeft, const QString &text)
{
    QLabel *label = makeLabel(parent, name, {topLeft, QSize(0, 13)}, text);
    growToText(label);
    return label;
}

QLabel *makeFieldLabel(QWidget *parent, const char *name, const QRect &place, const QString &text)
{
    QLabel *label = makeLabel(parent, name, place, text);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

LinkLabel *makeLink(QWidget *parent, const char *name, const QRect &place, const QString &caption,
                    const QString &target)
{
    auto *link = new LinkLabel(caption, parent);
    link->setObjectName(QLatin1String(name));
    link->setTarget(target);
    link->setGeometry(place);
    growToText(link);
    return link;
}

} // namespace

TFreewareDlg::TFreewareDlg(QWidget *mainForm, const int &tongue)
    : TZorbixDialog(mainForm, {385, 473}, FontWeight::Regular)
    , m_tongue(tongue)
{
    // Created in the game's order, which also gives the tab order: the
    // button, the German terms, the English terms.
    Bevel1 = makeBevel(this, "Bevel1", {8, 8, 369, 417});
    progname = makeLabel(this, "progname", {52, 12, 321, 17});
    progname->setFont(dialogFont(13, FontWeight::Bold));
    Image1 = makePictureImage(this, "Image1", {12, 52, 101, 77}, "logo-maker");
    Image4 = makeIconImage(this, "Image4", {12, 12, 37, 37}, mainForm);

    OKBtn = new PictureButton(Catalogue::Ok, dialogPicture("tick"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(152, 438, 77, 27);
    OKBtn->setDefault(true);
    answerWith(OKBtn, ModalResult::Ok);
    setFirstFocus(OKBtn);

    Bevel3 = makeBottomLine(this, "Bevel3", {52, 32, 321, 5});
    Image5 = makePictureImage(this, "Image5", {12, 140, 121, 69}, "logo-association");
    Memodeu = makeMemo(this, "Memodeu", {12, 216, 361, 205}, InfoTexts::TermsOfUse.in(German));
    Label4 = makeContactLine(this, "Label4", {180, 44}, InfoTexts::HolderSign);
    Label1 = makeContactLine(this, "Label1", {196, 44}, InfoTexts::Holder);
    Label2 = makeContactLine(this, "Label2", {196, 60}, InfoTexts::Street);
    Label3 = makeContactLine(this, "Label3", {196, 76}, InfoTexts::Town);
    Label13 = makeFieldLabel(this, "Label13", {120, 96, 70, 13}, Catalogue::EmailLabel);
    savelabel = makeLabel(this, "savelabel", {144, 144, 225, 29});
    savelabel->setWordWrap(true);
    savelabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Bevel2 = makeBottomLine(this, "Bevel2", {12, 128, 361, 5});
    Memoeng = makeMemo(this, "Memoeng", {12, 216, 361, 205}, InfoTexts::TermsOfUse.in(English));
    Label8 = makeFieldLabel(this, "Label8", {120, 112, 70, 13}, Catalogue::HomepageLabel);
    EmailLink = makeLink(this, "EmailLink", {196, 96, 92, 15}, InfoTexts::Email, InfoTexts::EmailTarget);
    HomepageLink = makeLink(this, "HomepageLink", {196, 112, 125, 15}, InfoTexts::Homepage, InfoTexts::Homepage);

    Memodeu->setAccessibleName(Catalogue::TermsName.in(German));
    Memoeng->setAccessibleName(Catalogue::TermsName.in(English));

    // The terms are for reading; Enter in them presses OK like anywhere else.
    auto *enterPressesOk = new EnterPressesButton(OKBtn, this);
    for (QPlainTextEdit *memo : {Memodeu, Memoeng}) {
        memo->setReadOnly(true);
        memo->installEventFilter(enterPressesOk);
    }
}

void TFreewareDlg::FormActivate()
{
    Memodeu->hide();
    Memoeng->hide();
    setWindowTitle(Catalogue::FreewareCaption);
    progname->setText(InfoTexts::TitleLine.in(m_tongue));
    savelabel->setText(InfoTexts::Membership.in(m_tongue));
    Image1->setAccessibleName(Catalogue::MakerLogoName.in(m_tongue));
    Image5->setAccessibleName(Catalogue::GuildLogoName.in(m_tongue));
    (m_tongue == German ? Memodeu : Memoeng)->show();
}
