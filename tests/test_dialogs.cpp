// The six small dialogs of the game: their answers for every button, Enter,
// Escape and the close box, their focus memory, their texts in both
// languages and their layout; where they go over the main window; and the
// message boxes.

#include "dialogs/Endgame.h"
#include "dialogs/Giveup.h"
#include "dialogs/Nextlev.h"
#include "dialogs/Restart.h"
#include "dialogs/alllevels.h"
#include "dialogs/centreonmainform.h"
#include "dialogs/lostlev.h"
#include "dialogs/messagebox.h"
#include "dialogs/modalresult.h"
#include "tests/dialogdriver.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

namespace {

constexpr int StaysOpen = 0;

/// One of the six dialogs as the game describes it.
struct DialogCase {
    const char *name;
    std::function<TGameDialog *(QWidget *, const int &)> make;
    Phrase message;
    QRect labelPlace;
    bool boldLabel;
    const char *defaultButton; // first in the tab order, focus at the first showing
    int defaultLeft;
    int defaultResult;
    const char *otherButton; // nullptr in the notice
    int otherLeft;
    int otherResult;
    int escapeResult;
};

template<class Dialog>
std::function<TGameDialog *(QWidget *, const int &)> maker()
{
    return [](QWidget *mainForm, const int &tongue) { return new Dialog(mainForm, tongue); };
}

const std::vector<DialogCase> &dialogCases()
{
    using namespace ModalResult;
    static const std::vector<DialogCase> cases{
        {"lost level", maker<TLostLevelDlg>(), Catalogue::LostLevelQuestion, {72, 20, 153, 26}, true, "YesBtn", 136,
         Yes, "NoBtn", 48, No, No},
        {"next level", maker<TNextLevelDlg>(), Catalogue::NextLevelQuestion, {72, 20, 153, 26}, true, "YesBtn", 136,
         Yes, "NoBtn", 48, No, No},
        {"all levels", maker<TAllLevelsDlg>(), Catalogue::AllLevelsNotice, {88, 20, 121, 29}, false, "OKBtn", 92, Ok,
         nullptr, 0, 0, StaysOpen},
        {"give up", maker<TGiveUpDlg>(), Catalogue::GiveUpQuestion, {56, 20, 189, 26}, true, "OKBtn", 40, Yes,
         "CancelBtn", 136, Cancel, Cancel},
        {"restart", maker<TRestartDlg>(), Catalogue::RestartQuestion, {52, 16, 193, 33}, true, "OKBtn", 40, Yes,
         "CancelBtn", 136, Cancel, Cancel},
        {"end game", maker<TEndGameDlg>(), Catalogue::EndGameQuestion, {72, 20, 153, 29}, true, "OKBtn", 40, Yes,
         "CancelBtn", 136, Cancel, Cancel},
    };
    return cases;
}

QPushButton *button(QWidget *dialog, const char *name)
{
    return dialog ? dialog->findChild<QPushButton *>(QLatin1String(name)) : nullptr;
}

void clickButton(QWidget *dialog, const char *name)
{
    QPushButton *b = button(dialog, name);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

/// Enter or Escape, sent where the player's key goes: to the control with the focus.
void pressKey(QWidget *dialog, Qt::Key key)
{
    QVERIFY(dialog);
    QWidget *target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, key);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_mainForm = std::make_unique<QWidget>();
        m_mainForm->setGeometry(100, 50, 506, 362);
        m_mainForm->show();
        m_tongue = English;
    }
    void cleanup() { m_mainForm.reset(); }

    void answers_data();
    void answers();
    void focusIsRememberedAcrossShowings_data() { perDialog(); }
    void focusIsRememberedAcrossShowings();
    void textsFollowTheLanguageAtEachShowing_data() { perDialog(); }
    void textsFollowTheLanguageAtEachShowing();
    void layout_data() { perDialog(); }
    void layout();
    void noticePictureSitsFivePixelsFromTheLeft();
    void centreOnMainForm_data();
    void centreOnMainForm();
    void dialogOpensOverTheMainForm();
    void messageBoxesKeepGermanTitlesAndButtons_data();
    void messageBoxesKeepGermanTitlesAndButtons();

private:
    void perDialog()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(dialogCases().size()); ++i)
            QTest::newRow(dialogCases()[i].name) << i;
    }
    TGameDialog *make(int index) { return dialogCases()[index].make(m_mainForm.get(), m_tongue); }

    std::unique_ptr<QWidget> m_mainForm;
    int m_tongue = English;
};

enum class Answer { ClickDefault, ClickOther, EnterAtFirstShowing, Escape, CloseBox };
Q_DECLARE_METATYPE(Answer)

void TestDialogs::answers_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("expected");
    for (int i = 0; i < int(dialogCases().size()); ++i) {
        const DialogCase &c = dialogCases()[i];
        const auto row = [&](const char *what, Answer answer, int expected) {
            QTest::addRow("%s: %s", c.name, what) << i << answer << expected;
        };
        row(c.defaultButton, Answer::ClickDefault, c.defaultResult);
        if (c.otherButton)
            row(c.otherButton, Answer::ClickOther, c.otherResult);
        row("Enter on the first focus", Answer::EnterAtFirstShowing, c.defaultResult);
        row("Escape", Answer::Escape, c.escapeResult);
        row("close box", Answer::CloseBox, ModalResult::Cancel);
    }
}

void TestDialogs::answers()
{
    QFETCH(int, index);
    QFETCH(Answer, answer);
    QFETCH(int, expected);
    const DialogCase &c = dialogCases()[index];
    TGameDialog *dialog = make(index);

    bool openAfterEscape = false;
    const int result = execAnswering(dialog, [&](QWidget *modal) {
        QCOMPARE(modal, dialog);
        switch (answer) {
        case Answer::ClickDefault:
            clickButton(modal, c.defaultButton);
            break;
        case Answer::ClickOther:
            clickButton(modal, c.otherButton);
            break;
        case Answer::EnterAtFirstShowing:
            QCOMPARE(modal->focusWidget(), button(modal, c.defaultButton));
            pressKey(modal, Qt::Key_Return);
            break;
        case Answer::Escape:
            pressKey(modal, Qt::Key_Escape);
            openAfterEscape = modal->isVisible();
            if (openAfterEscape)
                clickButton(modal, c.defaultButton); // end the showing the notice refused to end
            break;
        case Answer::CloseBox:
            modal->close();
            break;
        }
    });

    if (expected == StaysOpen) {
        QVERIFY2(openAfterEscape, "Escape closed a dialog without a cancel button");
        QCOMPARE(result, c.defaultResult);
    } else {
        QCOMPARE(result, expected);
    }
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), result); // owners may read it afterwards too
}

void TestDialogs::focusIsRememberedAcrossShowings()
{
    QFETCH(int, index);
    const DialogCase &c = dialogCases()[index];
    if (!c.otherButton)
        QSKIP("the notice has one button");
    TGameDialog *dialog = make(index);

    // First showing: the focus starts on Yes; the player clicks the other button.
    QCOMPARE(execAnswering(dialog,
                           [&](QWidget *modal) {
                               QCOMPARE(modal->focusWidget(), button(modal, c.defaultButton));
                               clickButton(modal, c.otherButton);
                           }),
             c.otherResult);
    // The clicked button took the focus, and keeps it at the next showing.
    QCOMPARE(execAnswering(dialog,
                           [&](QWidget *modal) {
                               QCOMPARE(modal->focusWidget(), button(modal, c.otherButton));
                               pressKey(modal, Qt::Key_Return);
                           }),
             c.otherResult);
    // Escape presses the cancel button without moving the focus.
    QCOMPARE(execAnswering(dialog,
                           [&](QWidget *modal) {
                               pressKey(modal, Qt::Key_Tab);
                               QCOMPARE(modal->focusWidget(), button(modal, c.defaultButton));
                               pressKey(modal, Qt::Key_Escape);
                           }),
             c.escapeResult);
    QCOMPARE(execAnswering(dialog,
                           [&](QWidget *modal) {
                               QCOMPARE(modal->focusWidget(), button(modal, c.defaultButton));
                               pressKey(modal, Qt::Key_Enter);
                           }),
             c.defaultResult);
}

void TestDialogs::textsFollowTheLanguageAtEachShowing()
{
    QFETCH(int, index);
    const DialogCase &c = dialogCases()[index];
    TGameDialog *dialog = make(index);

    struct Expected {
        int tongue;
        QString message, yes, no;
    };
    const QString germanMessage = QString::fromUtf16(c.message.german).replace(u'\r', u'\n');
    const QString englishMessage = QString::fromUtf16(c.message.english).replace(u'\r', u'\n');
    const Expected showings[]{
        {German, germanMessage, QStringLiteral("Ja"), QStringLiteral("Nein")},
        {English, englishMessage, QStringLiteral("Yes"), QStringLiteral("No")},
        {Undecided, englishMessage, QStringLiteral("Yes"), QStringLiteral("No")},
        {5, englishMessage, QStringLiteral("Yes"), QStringLiteral("No")},
        {German, germanMessage, QStringLiteral("Ja"), QStringLiteral("Nein")},
    };
    for (const Expected &e : showings) {
        m_tongue = e.tongue; // the main window changes its language between showings
        execAnswering(dialog, [&](QWidget *modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Zorbix Hoplix"));
            QCOMPARE(dialog->Label1->text(), e.message);
            if (c.otherButton) {
                QCOMPARE(button(modal, c.defaultButton)->text(), e.yes);
                QCOMPARE(button(modal, c.otherButton)->text(), e.no);
            } else {
                QCOMPARE(button(modal, c.defaultButton)->text(), QStringLiteral("OK"));
            }
            clickButton(modal, c.defaultButton);
        });
    }
}

void TestDialogs::layout()
{
    QFETCH(int, index);
    const DialogCase &c = dialogCases()[index];
    TGameDialog *dialog = make(index);

    QCOMPARE(dialog->size(), QSize(261, 103));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(dialog->parentWidget(), m_mainForm.get());
    QCOMPARE(dialog->font().pixelSize(), 11);

    QCOMPARE(dialog->Bevel1->geometry(), QRect(8, 8, 245, 49));
    QCOMPARE(dialog->Image1->geometry(), QRect(16, 16, 32, 32));
    QCOMPARE(dialog->Label1->geometry(), c.labelPlace);
    QCOMPARE(dialog->Label1->font().bold(), c.boldLabel);
    QVERIFY(dialog->Label1->wordWrap());
    QVERIFY(dialog->Label1->alignment() & Qt::AlignHCenter);

    QPushButton *first = button(dialog, c.defaultButton);
    QVERIFY(first);
    QCOMPARE(first->geometry(), QRect(c.defaultLeft, 68, 77, 27));
    QVERIFY(first->isDefault());
    QVERIFY(!first->icon().isNull());
    if (c.otherButton) {
        QPushButton *other = button(dialog, c.otherButton);
        QVERIFY(other);
        QCOMPARE(other->geometry(), QRect(c.otherLeft, 68, 77, 27));
        QCOMPARE(first->nextInFocusChain(), other); // Yes first in the tab order
    }
}

void TestDialogs::noticePictureSitsFivePixelsFromTheLeft()
{
    TAllLevelsDlg dialog(m_mainForm.get(), m_tongue);
    // A plain red picture makes its place easy to find on the drawn button.
    QPixmap red(dialog.OKBtn->iconSize());
    red.fill(Qt::red);
    dialog.OKBtn->setIcon(red);
    const QImage drawn = dialog.OKBtn->grab().toImage();
    int firstRedColumn = -1;
    for (int x = 0; x < drawn.width() && firstRedColumn < 0; ++x)
        if (drawn.pixelColor(x, drawn.height() / 2) == QColor(Qt::red))
            firstRedColumn = x;
    QCOMPARE(firstRedColumn, 5);
}

void TestDialogs::centreOnMainForm_data()
{
    QTest::addColumn<QRect>("mainFrame");
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<QSize>("dialogFrame");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("worked example") << QRect(100, 50, 506, 400) << 362 << QSize(267, 129) << QPoint(219, 205);
    // 100 + (-67) div 2 = 100 - 33: toward zero, not down to -34.
    QTest::newRow("main window narrower than the dialog")
        << QRect(100, 50, 200, 400) << 362 << QSize(267, 129) << QPoint(67, 205);
    QTest::newRow("client and dialog heights summing to an odd number")
        << QRect(0, 0, 506, 400) << 361 << QSize(266, 129) << QPoint(120, 155);
    QTest::newRow("main window left of and above the screen")
        << QRect(-300, -200, 506, 400) << 362 << QSize(267, 129) << QPoint(-181, -45);
    QTest::newRow("dialog taller than the main window's client area")
        << QRect(10, 10, 300, 100) << 62 << QSize(267, 300) << QPoint(26, -71);
}

void TestDialogs::centreOnMainForm()
{
    QFETCH(QRect, mainFrame);
    QFETCH(int, clientHeight);
    QFETCH(QSize, dialogFrame);
    QFETCH(QPoint, expected);
    QCOMPARE(CentreOnMainForm(mainFrame, clientHeight, dialogFrame), expected);
}

void TestDialogs::dialogOpensOverTheMainForm()
{
    TEndGameDlg dialog(m_mainForm.get(), m_tongue);
    // Moving the main window between showings moves the dialog with it.
    for (const QPoint mainPlace : {QPoint(100, 50), QPoint(300, 20)}) {
        m_mainForm->move(mainPlace);
        QPoint dialogPlace;
        execAnswering(&dialog, [&](QWidget *modal) {
            dialogPlace = modal->frameGeometry().topLeft();
            modal->close();
        });
        QCOMPARE(dialogPlace, CentreOnMainForm(m_mainForm->frameGeometry(), m_mainForm->height(),
                                               dialog.frameGeometry().size()));
    }
}

void TestDialogs::messageBoxesKeepGermanTitlesAndButtons_data()
{
    QTest::addColumn<bool>("warning");
    QTest::addColumn<QString>("press");
    QTest::addColumn<bool>("expectedAnswer");
    QTest::newRow("error box, OK") << false << QStringLiteral("OK") << false;
    QTest::newRow("warning, &Ja overwrites") << true << QStringLiteral("&Ja") << true;
    QTest::newRow("warning, &Nein keeps") << true << QStringLiteral("&Nein") << false;
    QTest::newRow("warning, Escape keeps") << true << QString() << false;
}

void TestDialogs::messageBoxesKeepGermanTitlesAndButtons()
{
    QFETCH(bool, warning);
    QFETCH(QString, press);
    QFETCH(bool, expectedAnswer);
    // The game speaks English; the boxes' frames stay German.
    const QString text = Catalogue::overwriteQuestion(English, QStringLiteral("week1.zhx"));

    QString title, shownText;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        shownText = box->text();
        icon = box->icon();
        for (QAbstractButton *b : box->buttons())
            buttons << b->text();
        if (press.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *b : box->buttons())
            if (b->text() == press)
                b->click();
    });

    bool answer = false;
    if (warning)
        answer = askWarning(m_mainForm.get(), text);
    else
        showErrorBox(m_mainForm.get(), text);

    QCOMPARE(shownText, text);
    buttons.sort();
    if (warning) {
        QCOMPARE(title, QStringLiteral("Warnung"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QStringList({QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
        QCOMPARE(answer, expectedAnswer);
    } else {
        QCOMPARE(title, QStringLiteral("Fehler"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QStringList({QStringLiteral("OK")}));
    }
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
