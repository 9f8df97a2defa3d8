#include "dialogs/Tongdlg.h"

#include "dialogs/modalresult.h"
#include "texts/catalogue.h"

#include <QFrame>
#include <QLabel>

namespace {

PictureButton *makeFlagButton(QWidget *parent, const char *name, const QRect &place, const QString &caption,
                              const char *flags, QSize flagsSize)
{
    auto *button = new PictureButton(caption, dialogPicture(flags), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setIconSize(flagsSize);
    return button;
}

} // namespace

TTongueDlg::TTongueDlg(QWidget *mainForm, int &tongue)
    : TZorbixDialog(mainForm, {320, 91}, FontWeight::Regular)
    , m_tongue(tongue)
{
    setWindowTitle(Catalogue::TongueCaption);
    Bevel1 = makeBevel(this, "Bevel1", {8, 8, 305, 77});
    // Both buttons answer Enter while they have the focus (PictureButton is
    // auto-default); English comes first in the tab order and has the focus
    // at the first showing.
    EnglishBtn =
        makeFlagButton(this, "EnglishBtn", {84, 16, 221, 27}, Catalogue::SpeakEnglish, "flags-english", {53, 20});
    Image4 = makeIconImage(this, "Image4", {28, 28, 37, 37}, mainForm);
    GermanBtn = makeFlagButton(this, "GermanBtn", {84, 48, 221, 27}, Catalogue::SpeakGerman, "flags-german", {80, 20});
    // A screen reader names each button by its language, in that language;
    // the caption follows as its description.
    EnglishBtn->setAccessibleName(Catalogue::EnglishName);
    EnglishBtn->setAccessibleDescription(Catalogue::SpeakEnglish);
    GermanBtn->setAccessibleName(Catalogue::GermanName);
    GermanBtn->setAccessibleDescription(Catalogue::SpeakGerman);
    EnglishBtn->setDefault(true);
    setFirstFocus(EnglishBtn);
    connect(EnglishBtn, &QPushButton::clicked, this, &TTongueDlg::EnglishBtnClick);
    connect(GermanBtn, &QPushButton::clicked, this, &TTongueDlg::GermanBtnClick);
}

void TTongueDlg::EnglishBtnClick()
{
    m_tongue = English;
    done(ModalResult::Ok);
}

void TTongueDlg::GermanBtnClick()
{
    m_tongue = German;
    done(ModalResult::Ok);
}
