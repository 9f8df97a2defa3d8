// The rules, info and language dialogs, and the whole set of dialogs as the
// main window creates it.

#include "dialogs/centreonmainform.h"
#include "dialogs/centreonscreen.h"
#include "dialogs/gamedialogs.h"
#include "dialogs/modalresult.h"
#include "services/linklabel.h"
#include "tests/dialogdriver.h"
#include "texts/infotexts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>

namespace {

/// The control Tab moves the focus to from the given one.
QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

/// Presses Escape, which must leave the dialog open, then runs close.
bool openAfterEscape(QDialog *dialog, const std::function<void(QWidget *)> &close)
{
    bool open = false;
    execAnswering(dialog, [&](QWidget *modal) {
        pressKey(modal, Qt::Key_Escape);
        open = modal->isVisible();
        close(modal);
    });
    return open;
}

} // namespace

class TestHintFreewareTongue : public DialogTest {
    Q_OBJECT
public:
    TestHintFreewareTongue() : DialogTest(Undecided) {}

private slots:
    void tongueEscapeDoesNothingAndCloseBoxLeavesTheCode()
    {
        TTongueDlg dialog(m_mainForm.get(), m_tongue);
        QVERIFY(openAfterEscape(&dialog, closeBox));
        QCOMPARE(dialog.result(), ModalResult::Cancel);
        QCOMPARE(m_tongue, Undecided);
    }

    void tongueEnterFollowsTheLastChoice()
    {
        TTongueDlg dialog(m_mainForm.get(), m_tongue);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Zorbix Hoplix1.6"));
        QCOMPARE(dialog.EnglishBtn->text(), QStringLiteral("I speak english."));
        QCOMPARE(dialog.GermanBtn->text(), QStringLiteral("Ich spreche deutsch."));
        QCOMPARE(nextTabStop(dialog.EnglishBtn), dialog.GermanBtn);
        // First showing: the English button has the focus.
        QCOMPARE(execAnswering(&dialog, [](QWidget *modal) { pressKey(modal, Qt::Key_Return); }), ModalResult::Ok);
        QCOMPARE(m_tongue, English);
        QCOMPARE(execAnswering(&dialog, [&](QWidget *) { QTest::mouseClick(dialog.GermanBtn, Qt::LeftButton); }),
                 ModalResult::Ok);
        QCOMPARE(m_tongue, German);

        m_tongue = English; // whatever the code is now, Enter presses the button last used
        QCOMPARE(execAnswering(&dialog, [](QWidget *modal) { pressKey(modal, Qt::Key_Enter); }), ModalResult::Ok);
        QCOMPARE(m_tongue, German);
    }

    void rulesShowOnlyTheCurrentLanguage_data()
    {
        QTest::addColumn<int>("tongue");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("opening");
        const QString english = QStringLiteral("Hoplix wants to clear the board: let him jump from platform");
        QTest::newRow("German in 29 lines")
            << German << 29 << QStringLiteral("Hoplix möchte das Spielfeld leer räumen: Lass ihn");
        QTest::newRow("English in 24 lines") << English << 24 << english;
        QTest::newRow("not chosen yet: English") << Undecided << 24 << english;
        QTest::newRow("a stored 5: English") << 5 << 24 << english;
    }

    void rulesShowOnlyTheCurrentLanguage()
    {
        QFETCH(int, tongue);
        QFETCH(int, lines);
        const bool german = tongue == German;
        THintDlg dialog(m_mainForm.get(), m_tongue);
        showSwitchedTo(&dialog, tongue, [&] {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Zorbix Hoplix"));
            QCOMPARE(dialog.tipD->isVisible(), german);
            QCOMPARE(dialog.TipE->isVisible(), !german);
            // Six points, one paragraph each.
            const QString rules = (german ? dialog.tipD : dialog.TipE)->toPlainText();
            QCOMPARE(rules.split(u'\n').size(), lines);
            QTEST(rules.section(u'\n', 0, 0), "opening");
            QCOMPARE(rules.split(QStringLiteral("\n\n")).size(), 6);
        });
    }

    /** Across showings the rules dialog opens mid-screen, then where the
     *  player left it; Enter in the memo presses OK; Escape does nothing;
     *  typed text and the focus last until the program ends. */
    void rulesAcrossShowings_data()
    {
        QTest::addColumn<int>("tongue");
        QTest::newRow("German") << German;
        QTest::newRow("English") << English;
    }

    void rulesAcrossShowings()
    {
        QFETCH(int, tongue);
        m_tongue = tongue;
        const auto memoOf = [&](THintDlg &d) { return tongue == German ? d.tipD : d.TipE; };
        THintDlg dialog(m_mainForm.get(), m_tongue);
        QVERIFY(dialog.OKBtn->isDefault());
        QPlainTextEdit *memo = memoOf(dialog);
        QCOMPARE(memo->font().pixelSize(), 11);
        QVERIFY(!memo->font().bold()); // in the bold dialog
        const QString rules = InfoTexts::Rules.in(tongue);
        QCOMPARE(execAnswering(&dialog,
                               [&](QWidget *modal) {
                                   // Centred on the test platform's 800 x 800 screen.
                                   QCOMPARE(modal->frameGeometry(), QRect(175, 234, 450, 331));
                                   modal->move(20, 30); // the player drags it away
                                   QCOMPARE(modal->focusWidget(), dialog.OKBtn);
                                   QTest::keyClick(dialog.OKBtn, Qt::Key_Tab);
                                   QCOMPARE(modal->focusWidget(), memo);
                                   memo->moveCursor(QTextCursor::End);
                                   QTest::keyClicks(memo, QStringLiteral(" Hop!"));
                                   QTest::keyClick(memo, Qt::Key_Return);
                               }),
                 ModalResult::Ok);
        QCOMPARE(memo->toPlainText(), rules + QStringLiteral(" Hop!")); // no line break went in

        QVERIFY(openAfterEscape(&dialog, [&](QWidget *modal) {
            QCOMPARE(modal->pos(), QPoint(20, 30));
            QCOMPARE(modal->focusWidget(), memo);
            QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        }));
        QCOMPARE(memo->toPlainText(), rules + QStringLiteral(" Hop!"));
        // A new dialog, as at the next start, has the rules as written.
        THintDlg fresh(m_mainForm.get(), m_tongue);
        QCOMPARE(memoOf(fresh)->toPlainText(), rules);
    }

    void centreOnScreen_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("expected"); // of a 452 by 353 window
        QTest::newRow("middle of an 800 by 600 screen") << QRect(0, 0, 800, 600) << QPoint(174, 123);
        QTest::newRow("screen right of the first one") << QRect(1920, 0, 1024, 768) << QPoint(2206, 207);
        QTest::newRow("window larger than the screen stays at its top-left") << QRect(0, 0, 400, 300) << QPoint(0, 0);
    }

    void centreOnScreen()
    {
        QFETCH(QRect, screen);
        QTEST(::centreOnScreen(screen, QSize(452, 353)), "expected");
    }

    void infoFollowsTheLanguage_data()
    {
        QTest::addColumn<int>("tongue");
        QTest::addColumn<QStringList>("texts"); // the title line, the membership, the terms' first line
        const QStringList english{"Zorbix Hoplix 1.6 - a freeware puzzle game",
                                  "Zorbix Bytes is a member of the Freeware Authors' Guild.",
                                  "Zorbix Hoplix is freeware."};
        QTest::newRow("German") << German
                                << QStringList{"Zorbix Hoplix 1.6 - ein Freeware-Denkspiel",
                                               "Zorbix Bytes ist Mitglied der Freeware Authors' Guild.",
                                               "Zorbix Hoplix ist Freeware."};
        QTest::newRow("English") << English << english;
        QTest::newRow("not chosen yet") << Undecided << english;
    }

    void infoFollowsTheLanguage()
    {
        QFETCH(int, tongue);
        const bool german = tongue == German;
        TFreewareDlg dialog(m_mainForm.get(), m_tongue);
        showSwitchedTo(&dialog, tongue, [&] {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Zorbix Bytes - Freeware-Info"));
            QCOMPARE(dialog.Label13->text(), QStringLiteral("E-Mail:"));
            QCOMPARE(dialog.Label8->text(), QStringLiteral("Homepage:"));
            QCOMPARE(dialog.Memodeu->isVisible(), german);
            QCOMPARE(dialog.Memoeng->isVisible(), !german);
            const QString terms = (german ? dialog.Memodeu : dialog.Memoeng)->toPlainText();
            QTEST((QStringList{dialog.progname->text(), dialog.savelabel->text(), terms.section(u'\n', 0, 0)}),
                  "texts");
        });
    }

    void infoOkCloseBoxAndEscape()
    {
        // Low enough on the screen that the tall dialog stays below its top edge,
        // where the test platform would push it back.
        m_mainForm->move(100, 200);
        TFreewareDlg dialog(m_mainForm.get(), m_tongue);
        QVERIFY(dialog.OKBtn->isDefault());
        bool scrollBar = false; // always there, however short the text
        QCOMPARE(execAnswering(&dialog,
                               [&](QWidget *) {
                                   scrollBar = dialog.Memoeng->verticalScrollBar()->isVisible();
                                   QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
                               }),
                 ModalResult::Ok);
        QVERIFY(scrollBar);
        QCOMPARE(dialog.Memoeng->font().pixelSize(), 11);
        QCOMPARE(execAnswering(&dialog, closeBox), ModalResult::Cancel);
        QVERIFY(openAfterEscape(&dialog, [&](QWidget *modal) {
            QCOMPARE(modal->focusWidget(), dialog.OKBtn);
            pressKey(modal, Qt::Key_Return);
        }));
        QCOMPARE(dialog.result(), ModalResult::Ok);
        // Over the main window, like the game's questions.
        // Over the main window framed at (100, 200), 510 x 366: the 389 x 477
        // frame at 100 + (510 - 389) / 2, 200 + 366 - (362 + 477) / 2.
        QCOMPARE(dialog.frameGeometry(), QRect(160, 147, 389, 477));
    }

    void infoLinksPicturesAndTabOrder()
    {
        TFreewareDlg dialog(m_mainForm.get(), m_tongue);
        QStringList opened;
        for (LinkLabel *link : {dialog.EmailLink, dialog.HomepageLink}) {
            // A link never cuts its address short.
            QVERIFY2(link->width() >= link->sizeHint().width(), qPrintable(link->text()));
            link->setOpener([&](const QUrl &url) { return opened << url.toString(), true; });
        }
        execAnswering(&dialog, [&](QWidget *modal) {
            QTest::mouseClick(dialog.EmailLink, Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseClick(dialog.HomepageLink, Qt::LeftButton, {}, QPoint(3, 3));
            modal->close();
        });
        QCOMPARE(opened, QStringList({"mailto:hoplix@zorbix.example", "http://www.zorbix.example/"}));
        QCOMPARE(dialog.Bevel2->geometry(), QRect(12, 128, 361, 5)); // the line below the guild's text
        QVERIFY(!dialog.Image1->pixmap().isNull());
        QVERIFY(!dialog.Image5->pixmap().isNull());
        QCOMPARE(nextTabStop(dialog.OKBtn), dialog.Memodeu);
        QCOMPARE(nextTabStop(dialog.Memodeu), dialog.Memoeng);
    }

    /// Each dialog is made when first asked for, once, and reads the
    /// language the language dialog sets.
    void dialogSetMakesEachOnceAndSharesTheLanguage()
    {
        GameDialogs dialogs(m_mainForm.get(), m_tongue);
        QStringList made;
        dialogs.whenMade = [&made](QDialog *dialog) { made << QString::fromLatin1(dialog->metaObject()->className()); };
        QVERIFY(m_mainForm->findChildren<TZorbixDialog *>().isEmpty());

        execAnswering(dialogs.tongue, [&](QWidget *) { dialogs.tongue->GermanBtn->click(); });
        QString question;
        execAnswering(dialogs.lostLevel, [&](QWidget *modal) {
            question = dialogs.lostLevel->Label1->text();
            modal->close();
        });
        execAnswering(dialogs.lostLevel, closeBox);
        QCOMPARE(question, QStringLiteral("Leider nein!\nStufe wiederholen?"));
        QCOMPARE(made, QStringList({"TTongueDlg", "TLostLevelDlg"}));
        QCOMPARE(m_mainForm->findChildren<TZorbixDialog *>().size(), 2);
    }

private:
    /// Shows the dialog in the other language first, so that what check sees
    /// must have followed the change, then in tongue.
    void showSwitchedTo(QDialog *dialog, int tongue, const std::function<void()> &check)
    {
        m_tongue = tongue == German ? English : German;
        execAnswering(dialog, closeBox);
        m_tongue = tongue;
        execAnswering(dialog, [&](QWidget *modal) {
            check();
            modal->close();
        });
    }
};

QTEST_MAIN(TestHintFreewareTongue)
#include "test_hintfreewaretongue.moc"
