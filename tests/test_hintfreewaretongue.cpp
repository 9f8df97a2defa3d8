// The rules, info and language dialogs, and the whole set of dialogs as the
// main window creates it.

#include "dialogs/centreonmainform.h"
#include "dialogs/centreonscreen.h"
#include "dialogs/gamedialogs.h"
#include "dialogs/infotexts.h"
#include "dialogs/modalresult.h"
#include "services/linklabel.h"
#include "tests/dialogdriver.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include <memory>

namespace {

/// The control Tab moves the focus to from the given one.
QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

void pressKey(QWidget *dialog, Qt::Key key)
{
    QVERIFY(dialog);
    QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, key);
}

} // namespace

class TestHintFreewareTongue : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_mainForm = std::make_unique<QWidget>();
        m_mainForm->setGeometry(100, 50, 506, 362);
        m_mainForm->show();
        m_tongue = Undecided;
    }
    void cleanup() { m_mainForm.reset(); }

    // The language dialog
    void tongueCloseBoxLeavesTheCode();
    void tongueEnterFollowsTheLastChoice();
    void tongueEscapeDoesNothing();
    void tongueCaptionsAndTabOrder();

    // The rules dialog
    void rulesShowOnlyTheCurrentLanguage_data();
    void rulesShowOnlyTheCurrentLanguage();
    void rulesEnterInTheMemoClosesWithOk();
    void rulesTypedTextLastsUntilTheProgramEnds();
    void rulesOpenMidScreenThenWhereLeft();
    void rulesTexts_data();
    void rulesTexts();
    void centreOnScreen_data();
    void centreOnScreen();

    // The info dialog
    void infoFollowsTheLanguage_data();
    void infoFollowsTheLanguage();
    void infoOkAndCloseBox();
    void infoLinksPicturesAndTabOrder();
    void infoLinksOpenTheContactAddresses();

    // All of them together
    void dialogsAreCreatedInTheGamesOrder();
    void languageChoiceReachesTheOtherDialogs();

private:
    std::unique_ptr<QWidget> m_mainForm;
    int m_tongue = Undecided;
};

void TestHintFreewareTongue::tongueCloseBoxLeavesTheCode()
{
    TTongueDlg dialog(m_mainForm.get(), m_tongue);
    QCOMPARE(execAnswering(&dialog, [](QWidget *modal) { modal->close(); }), ModalResult::Cancel);
    QCOMPARE(m_tongue, Undecided);
}

void TestHintFreewareTongue::tongueEnterFollowsTheLastChoice()
{
    TTongueDlg dialog(m_mainForm.get(), m_tongue);
    // First showing: the English button has the focus.
    QCOMPARE(execAnswering(&dialog, [](QWidget *modal) { pressKey(modal, Qt::Key_Return); }), ModalResult::Ok);
    QCOMPARE(m_tongue, English);

    QCOMPARE(execAnswering(&dialog, [&](QWidget *) { QTest::mouseClick(dialog.GermanBtn, Qt::LeftButton); }),
             ModalResult::Ok);
    QCOMPARE(m_tongue, German);

    m_tongue = English; // whatever the code is now, Enter presses the button last used
    QCOMPARE(execAnswering(&dialog,
                           [&](QWidget *modal) {
                               QCOMPARE(modal->focusWidget(), dialog.GermanBtn);
                               pressKey(modal, Qt::Key_Enter);
                           }),
             ModalResult::Ok);
    QCOMPARE(m_tongue, German);
}

void TestHintFreewareTongue::tongueEscapeDoesNothing()
{
    TTongueDlg dialog(m_mainForm.get(), m_tongue);
    bool openAfterEscape = false;
    const int result = execAnswering(&dialog, [&](QWidget *modal) {
        pressKey(modal, Qt::Key_Escape);
        openAfterEscape = modal->isVisible();
        QCOMPARE(m_tongue, Undecided);
        modal->close();
    });
    QVERIFY(openAfterEscape);
    QCOMPARE(result, ModalResult::Cancel);
    QCOMPARE(m_tongue, Undecided);
}

void TestHintFreewareTongue::tongueCaptionsAndTabOrder()
{
    TTongueDlg dialog(m_mainForm.get(), m_tongue);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Zorbix Hoplix1.6"));
    QCOMPARE(dialog.EnglishBtn->text(), QStringLiteral("I speak english."));
    QCOMPARE(dialog.GermanBtn->text(), QStringLiteral("Ich spreche deutsch."));
    QCOMPARE(nextTabStop(dialog.EnglishBtn), dialog.GermanBtn);
}

void TestHintFreewareTongue::rulesShowOnlyTheCurrentLanguage_data()
{
    QTest::addColumn<int>("tongue");
    QTest::addColumn<bool>("german");
    QTest::newRow("German") << German << true;
    QTest::newRow("English") << English << false;
    QTest::newRow("not chosen yet") << Undecided << false;
    QTest::newRow("a stored 5") << 5 << false;
}

void TestHintFreewareTongue::rulesShowOnlyTheCurrentLanguage()
{
    QFETCH(int, tongue);
    QFETCH(bool, german);
    THintDlg dialog(m_mainForm.get(), m_tongue);
    // Show it in the other language first: the visibility must follow the change.
    m_tongue = german ? English : German;
    execAnswering(&dialog, [](QWidget *modal) { modal->close(); });
    m_tongue = tongue;
    execAnswering(&dialog, [&](QWidget *modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("Zorbix Hoplix"));
        QCOMPARE(dialog.tipD->isVisible(), german);
        QCOMPARE(dialog.TipE->isVisible(), !german);
        modal->close();
    });
}

void TestHintFreewareTongue::rulesEnterInTheMemoClosesWithOk()
{
    m_tongue = German;
    THintDlg dialog(m_mainForm.get(), m_tongue);
    const QString before = dialog.tipD->toPlainText();
    const int result = execAnswering(&dialog, [&](QWidget *modal) {
        QCOMPARE(modal->focusWidget(), dialog.OKBtn);
        QTest::keyClick(dialog.OKBtn, Qt::Key_Tab);
        QCOMPARE(modal->focusWidget(), dialog.tipD);
        QTest::keyClick(dialog.tipD, Qt::Key_Return);
    });
    QCOMPARE(result, ModalResult::Ok);
    QCOMPARE(dialog.tipD->toPlainText(), before); // no line break went in

    // Escape does nothing here: the dialog has no cancel button.
    bool openAfterEscape = false;
    execAnswering(&dialog, [&](QWidget *modal) {
        QCOMPARE(modal->focusWidget(), dialog.tipD); // where the focus was at the close
        pressKey(modal, Qt::Key_Escape);
        openAfterEscape = modal->isVisible();
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    });
    QVERIFY(openAfterEscape);
}

void TestHintFreewareTongue::rulesTypedTextLastsUntilTheProgramEnds()
{
    m_tongue = English;
    THintDlg dialog(m_mainForm.get(), m_tongue);
    execAnswering(&dialog, [&](QWidget *modal) {
        dialog.TipE->setFocus();
        dialog.TipE->moveCursor(QTextCursor::End);
        QTest::keyClicks(dialog.TipE, QStringLiteral(" Hop!"));
        modal->close();
    });
    QString shown;
    execAnswering(&dialog, [&](QWidget *modal) {
        shown = dialog.TipE->toPlainText();
        modal->close();
    });
    QVERIFY(shown.endsWith(QStringLiteral("Good luck! Hop!")));
    // A new dialog, as at the next start, has the rules as written.
    THintDlg fresh(m_mainForm.get(), m_tongue);
    QCOMPARE(fresh.TipE->toPlainText(), InfoTexts::Rules.in(English));
}

void TestHintFreewareTongue::rulesOpenMidScreenThenWhereLeft()
{
    THintDlg dialog(m_mainForm.get(), m_tongue);
    QCOMPARE(dialog.size(), QSize(446, 327));
    QPoint firstPlace;
    execAnswering(&dialog, [&](QWidget *modal) {
        firstPlace = modal->frameGeometry().topLeft();
        modal->move(20, 30); // the player drags it away
        modal->close();
    });
    QCOMPARE(firstPlace, ::centreOnScreen(m_mainForm->screen()->geometry(), dialog.frameGeometry().size()));
    QPoint secondPlace;
    execAnswering(&dialog, [&](QWidget *modal) {
        secondPlace = modal->pos();
        modal->close();
    });
    QCOMPARE(secondPlace, QPoint(20, 30));
}

void TestHintFreewareTongue::rulesTexts_data()
{
    QTest::addColumn<int>("tongue");
    QTest::addColumn<int>("lines");
    QTest::newRow("English in 24 lines") << English << 24;
    QTest::newRow("German in 29 lines") << German << 29;
}

void TestHintFreewareTongue::rulesTexts()
{
    QFETCH(int, tongue);
    QFETCH(int, lines);
    const QString rules = InfoTexts::Rules.in(tongue);
    QCOMPARE(rules.split(u'\n').size(), lines);
    // Six points, one paragraph each, with the two ways of control numbered.
    QCOMPARE(rules.split(QStringLiteral("\n\n")).size(), 6);
    QVERIFY(rules.contains(QStringLiteral("\n1. ")));
    QVERIFY(rules.contains(QStringLiteral("\n2. ")));
    QVERIFY(rules.contains(QStringLiteral("Hoplix")));
    QVERIFY(rules.contains(QStringLiteral("200")));
}

void TestHintFreewareTongue::centreOnScreen_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("middle of an 800 by 600 screen") << QRect(0, 0, 800, 600) << QSize(452, 353) << QPoint(174, 123);
    QTest::newRow("screen right of the first one") << QRect(1920, 0, 1024, 768) << QSize(452, 353)
                                                   << QPoint(2206, 207);
    QTest::newRow("window larger than the screen stays at its top-left")
        << QRect(0, 0, 400, 300) << QSize(452, 353) << QPoint(0, 0);
}

void TestHintFreewareTongue::centreOnScreen()
{
    QFETCH(QRect, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, expected);
    QCOMPARE(::centreOnScreen(screen, window), expected);
}

void TestHintFreewareTongue::infoFollowsTheLanguage_data()
{
    QTest::addColumn<int>("tongue");
    QTest::addColumn<bool>("german");
    QTest::newRow("German") << German << true;
    QTest::newRow("English") << English << false;
    QTest::newRow("not chosen yet") << Undecided << false;
}

void TestHintFreewareTongue::infoFollowsTheLanguage()
{
    QFETCH(int, tongue);
    QFETCH(bool, german);
    TFreewareDlg dialog(m_mainForm.get(), m_tongue);
    m_tongue = german ? English : German;
    execAnswering(&dialog, [](QWidget *modal) { modal->close(); });
    m_tongue = tongue;
    execAnswering(&dialog, [&](QWidget *modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("Zorbix Bytes - Freeware-Info"));
        QCOMPARE(dialog.Label13->text(), QStringLiteral("E-Mail:"));
        QCOMPARE(dialog.Label8->text(), QStringLiteral("Homepage:"));
        QCOMPARE(dialog.Memodeu->isVisible(), german);
        QCOMPARE(dialog.Memoeng->isVisible(), !german);
        QCOMPARE(dialog.progname->text(), InfoTexts::TitleLine.in(german ? German : English));
        QCOMPARE(dialog.savelabel->text(), InfoTexts::Membership.in(german ? German : English));
        modal->close();
    });
    QVERIFY(InfoTexts::TitleLine.in(German) != InfoTexts::TitleLine.in(English));
    QVERIFY(InfoTexts::Membership.in(German) != InfoTexts::Membership.in(English));
}

void TestHintFreewareTongue::infoOkAndCloseBox()
{
    // Low enough on the screen that the tall dialog stays below its top edge,
    // where the test platform would push it back.
    m_mainForm->move(100, 200);
    TFreewareDlg dialog(m_mainForm.get(), m_tongue);
    QCOMPARE(execAnswering(&dialog, [&](QWidget *) { QTest::mouseClick(dialog.OKBtn, Qt::LeftButton); }),
             ModalResult::Ok);
    QCOMPARE(execAnswering(&dialog, [&](QWidget *modal) { modal->close(); }), ModalResult::Cancel);
    bool openAfterEscape = false;
    const int result = execAnswering(&dialog, [&](QWidget *modal) {
        QCOMPARE(modal->focusWidget(), dialog.OKBtn);
        pressKey(modal, Qt::Key_Escape);
        openAfterEscape = modal->isVisible();
        pressKey(modal, Qt::Key_Return);
    });
    QVERIFY(openAfterEscape);
    QCOMPARE(result, ModalResult::Ok);
    // Over the main window, like the game's questions.
    QCOMPARE(dialog.frameGeometry().topLeft(),
             CentreOnMainForm(m_mainForm->frameGeometry(), m_mainForm->height(), dialog.frameGeometry().size()));
}

void TestHintFreewareTongue::infoLinksPicturesAndTabOrder()
{
    TFreewareDlg dialog(m_mainForm.get(), m_tongue);
    // The links start where the game puts them and never cut their address short.
    for (LinkLabel *link : {dialog.EmailLink, dialog.HomepageLink})
        QVERIFY2(link->width() >= link->sizeHint().width(), qPrintable(link->text()));
    QCOMPARE(dialog.EmailLink->pos(), QPoint(196, 96));
    QCOMPARE(dialog.HomepageLink->pos(), QPoint(196, 112));
    QVERIFY(!dialog.Image1->pixmap().isNull());
    QVERIFY(!dialog.Image5->pixmap().isNull());
    QCOMPARE(nextTabStop(dialog.OKBtn), dialog.Memodeu);
    QCOMPARE(nextTabStop(dialog.Memodeu), dialog.Memoeng);
}

void TestHintFreewareTongue::infoLinksOpenTheContactAddresses()
{
    TFreewareDlg dialog(m_mainForm.get(), m_tongue);
    QStringList opened;
    for (LinkLabel *link : {dialog.EmailLink, dialog.HomepageLink})
        link->setOpener([&](const QUrl &url) {
            opened << url.toString();
            return true;
        });
    execAnswering(&dialog, [&](QWidget *modal) {
        QTest::mouseClick(dialog.EmailLink, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(dialog.HomepageLink, Qt::LeftButton, {}, QPoint(3, 3));
        modal->close();
    });
    QCOMPARE(opened, QStringList({QStringLiteral("mailto:hoplix@zorbix.example"),
                                  QStringLiteral("http://www.zorbix.example/")}));
}

void TestHintFreewareTongue::dialogsAreCreatedInTheGamesOrder()
{
    GameDialogs dialogs(m_mainForm.get(), m_tongue);
    QStringList order;
    for (QObject *child : m_mainForm->children())
        if (child->inherits("TZorbixDialog"))
            order << QString::fromLatin1(child->metaObject()->className());
    QCOMPARE(order, QStringList({"TLostLevelDlg", "TNextLevelDlg", "TEndGameDlg", "TFreewareDlg", "TTongueDlg",
                                 "TAllLevelsDlg", "TRestartDlg", "TGiveUpDlg", "THintDlg"}));
}

void TestHintFreewareTongue::languageChoiceReachesTheOtherDialogs()
{
    GameDialogs dialogs(m_mainForm.get(), m_tongue);
    execAnswering(dialogs.tongue, [&](QWidget *) { dialogs.tongue->GermanBtn->click(); });
    QCOMPARE(m_tongue, German);
    QString question;
    execAnswering(dialogs.lostLevel, [&](QWidget *modal) {
        question = dialogs.lostLevel->Label1->text();
        modal->close();
    });
    QCOMPARE(question, QStringLiteral("Leider nein!\nStufe wiederholen?"));
}

QTEST_MAIN(TestHintFreewareTongue)
#include "test_hintfreewaretongue.moc"
