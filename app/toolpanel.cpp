#include "app/toolpanel.h"

#include "app/levelselector.h"
#include "dialogs/dialogparts.h"
#include "services/hint.h"
#include "services/readablechildren.h"
#include "texts/catalogue.h"
#include "view/levelbox.h"

#include <QIcon>
#include <QLabel>
#include <QToolButton>

#include <utility>

namespace {

/// A frame drawn under or around the level selector and level display;
/// screen readers leave it out.
QFrame *shape(QWidget *parent, const char *name, QRect place, QFrame::Shape kind, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(kind | shadow);
    frame->setGeometry(place);
    hideFromScreenReaders(frame);
    return frame;
}

} // namespace

ToolPanel::ToolPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("ToolPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised); // a frame's line is one pixel wide
    setAutoFillBackground(true);
    setPalette(QPalette(palette().color(QPalette::Button)));

    NewGameBtn = pictureButton("NewGameBtn", QStringLiteral("bomb"), {4, 4, 25, 25});
    RestartBtn = pictureButton("RestartBtn", QStringLiteral("restart"), {28, 4, 25, 25});
    LoadBtn = pictureButton("LoadBtn", QStringLiteral("load"), {52, 4, 25, 25});
    SaveBtn = pictureButton("SaveBtn", QStringLiteral("save"), {76, 4, 25, 25});
    SoundBtn = pictureButton("SoundBtn", QStringLiteral("sound"), {100, 4, 25, 25});
    SoundBtn->setCheckable(true);
    ExitBtn = pictureButton("ExitBtn", QStringLiteral("door"), {124, 4, 25, 25});
    sDownBtn = pictureButton("sDownBtn", QStringLiteral("previous"), {153, 7, 20, 20});

    // The selector in its black frame.
    auto *frame = shape(this, "Shape2", {172, 7, 93, 20}, QFrame::Box, QFrame::Plain);
    // A plain frame is drawn in the text colour, which a palette made from
    // black alone would make white.
    QPalette blackLine = frame->palette();
    blackLine.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(blackLine);
    levelscroll = new LevelSelector(this);
    levelscroll->setGeometry(173, 8, 92, 18);
    levelscroll->setRange(1, 1);

    sUpBtn = pictureButton("sUpBtn", QStringLiteral("next"), {264, 7, 20, 20});

    // The level display: a black ground in a sunken frame, the word for
    // level and the LED digits with the face.
    auto *ground = shape(this, "Shape1", {292, 5, 101, 24}, QFrame::NoFrame, QFrame::Plain);
    ground->setAutoFillBackground(true);
    ground->setPalette(QPalette(Qt::black));
    shape(this, "Bevel2", {292, 4, 101, 26}, QFrame::Panel, QFrame::Sunken);
    levellabel = new QLabel(this);
    levellabel->setObjectName(QStringLiteral("levellabel"));
    levellabel->setGeometry(296, 12, 45, 16);
    levellabel->setFont(dialogFont(12, FontWeight::Regular));
    QPalette yellow = levellabel->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    levellabel->setPalette(yellow);
    levellabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The level display's name says it for screen readers.
    hideFromScreenReaders(levellabel);
    levelbox = new LevelBox(this);
    levelbox->setObjectName(QStringLiteral("levelbox"));
    levelbox->setGeometry(334, 7, 57, 20);

    TongueBtn = pictureButton("TongueBtn", QStringLiteral("lips"), {397, 4, 25, 25});
    RulesBtn = pictureButton("RulesBtn", QStringLiteral("rules"), {421, 4, 25, 25});
    InfoBtn = pictureButton("InfoBtn", QStringLiteral("info"), {445, 4, 25, 25});
    // The language button speaks both languages, for a player who cannot
    // read the one the game speaks.
    TongueBtn->setToolTip(Catalogue::TongueHint);
}

void ToolPanel::setTexts(int tongue)
{
    using namespace Catalogue;
    setHint(LoadBtn, LoadHint.in(tongue));
    setHint(SaveBtn, SaveHint.in(tongue));
    setHint(NewGameBtn, NewGameHint.in(tongue));
    setHint(RestartBtn, RestartHint.in(tongue));
    setHint(SoundBtn, SoundHint.in(tongue));
    setHint(RulesBtn, RulesHint.in(tongue));
    setHint(ExitBtn, ExitHint.in(tongue));
    setHint(InfoBtn, InfoHint.in(tongue));
    setHint(sUpBtn, NextUnsolvedHint.in(tongue));
    setHint(sDownBtn, PreviousUnsolvedHint.in(tongue));
    setHint(levelscroll, LevelScrollHint.in(tongue));
    levellabel->setText(LevelLabel.in(tongue));
    // The names a screen reader reads, left to right.
    const std::pair<QWidget *, Phrase> names[] = {
        {this, ToolbarName},
        {NewGameBtn, NewGameName},
        {RestartBtn, RestartName},
        {LoadBtn, LoadName},
        {SaveBtn, SaveName},
        {SoundBtn, SoundName},
        {ExitBtn, ExitName},
        {sDownBtn, PreviousUnsolvedName},
        {levelscroll, LevelScrollName},
        {sUpBtn, NextUnsolvedName},
        {levelbox, LevelDisplayName},
        {TongueBtn, TongueName},
        {RulesBtn, RulesName},
        {InfoBtn, InfoName},
    };
    for (const auto &[control, name] : names)
        control->setAccessibleName(name.in(tongue));
}

QToolButton *ToolPanel::pictureButton(const char *name, const QString &picture, QRect place)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    // Buttons never take the keyboard from the board.
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(QIcon(QStringLiteral(":/pictures/%1.svg").arg(picture)));
    const int side = place.width() - 5;
    button->setIconSize(QSize(side, side));
    button->setGeometry(place);
    return button;
}
