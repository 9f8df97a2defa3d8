// The six small dialogs of the game: their answers for every button, Enter,
// Escape and the close box, their focus memory, their texts in both
// languages; where they go over the main window; and the message boxes.

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

namespace {

/// One of the six dialogs as the game describes it.
struct DialogCase {
    const char *name;
    TGameDialog *(*make)(QWidget *mainForm, const int &tongue);
    const char *english, *german; // the message, word for word
    const char *defaultButton;    // focus at the first showing, pressed by Enter
    int defaultResult;
    const char *cancelButton; // pressed by Escape; nullptr in the notice
    int cancelResult;
    bool defaultOnRight; // the level questions have Yes on the right
};

template <class Dialog>
TGameDialog *maker(QWidget *mainForm, const int &tongue)
{
    return new Dialog(mainForm, tongue);
}

const std::vector<DialogCase> &dialogCases()
{
    using namespace ModalResult;
    static const std::vector<DialogCase> cases{
        {"lost level", maker<TLostLevelDlg>, "That was it!\nRepeat level?", "Leider nein!\nStufe wiederholen?",
         "YesBtn", Yes, "NoBtn", No, true},
        {"next level", maker<TNextLevelDlg>, "Hurrah, you made it!\nNext level?", "Hurra, geschafft!\nNächste Stufe?",
         "YesBtn", Yes, "NoBtn", No, true},
        {"all levels", maker<TAllLevelsDlg>, "Congratulation, you solved all levels!",
         "Gratulation, Du hast alle Stufen gelöst!", "OKBtn", Ok, nullptr, 0, false},
        {"give up", maker<TGiveUpDlg>, "Do you really want to restart this level?",
         "Willst Du diese Ebene wirklich neu beginnen?", "OKBtn", Yes, "CancelBtn", Cancel, false},
        {"restart", maker<TRestartDlg>, "Do you really want to start at the beginning?",
         "Willst Du das Spiel wirklich von vorne beginnen?", "OKBtn", Yes, "CancelBtn", Cancel, false},
        {"end game", maker<TEndGameDlg>, "Do you really want to go?", "Willst Du wirklich schon aufhören?", "OKBtn",
         Yes, "CancelBtn", Cancel, false},
    };
    return cases;
}

} // namespace

enum class Answer { ClickDefault, ClickCancel, EnterAtFirstShowing, Escape, CloseBox };
Q_DECLARE_METATYPE(Answer)

class TestDialogs : public DialogTest {
    Q_OBJECT
public:
    TestDialogs() : DialogTest(English) {}

private slots:
    void answers_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("expected"); // 0: the dialog stays open
        for (int i = 0; i < int(dialogCases().size()); ++i) {
            const DialogCase &c = dialogCases()[i];
            const auto row = [&](const char *what, Answer answer, int expected) {
                QTest::addRow("%s: %s", c.name, what) << i << answer << expected;
            };
            row(c.defaultButton, Answer::ClickDefault, c.defaultResult);
            if (c.cancelButton)
                row(c.cancelButton, Answer::ClickCancel, c.cancelResult);
            row("Enter on the first focus", Answer::EnterAtFirstShowing, c.defaultResult);
            row("Escape", Answer::Escape, c.cancelResult);
            row("close box", Answer::CloseBox, ModalResult::Cancel);
        }
    }

    void answers()
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
            case Answer::ClickDefault: return clickButton(modal, c.defaultButton);
            case Answer::ClickCancel: return clickButton(modal, c.cancelButton);
            case Answer::EnterAtFirstShowing:
                QCOMPARE(modal->focusWidget(), button(modal, c.defaultButton));
                return pressKey(modal, Qt::Key_Return);
            case Answer::Escape:
                pressKey(modal, Qt::Key_Escape);
                openAfterEscape = modal->isVisible();
                if (openAfterEscape)
                    clickButton(modal, c.defaultButton); // end the showing the notice refused to end
                return;
            case Answer::CloseBox: modal->close();
            }
        });

        QCOMPARE(openAfterEscape, expected == 0);
        QCOMPARE(result, expected ? expected : c.defaultResult);
        QVERIFY(!dialog->isVisible());
    }

    void focusIsRememberedAcrossShowings_data() { perDialog(TwoButtons); }
    void focusIsRememberedAcrossShowings()
    {
        QFETCH(int, index);
        const DialogCase &c = dialogCases()[index];
        TGameDialog *dialog = make(index);
        // One showing: the focus it starts with, then what the player does.
        const auto showing = [&](const char *focus, const std::function<void(QWidget *)> &act) {
            return execAnswering(dialog, [&](QWidget *modal) {
                QCOMPARE(modal->focusWidget(), button(modal, focus));
                act(modal);
            });
        };
        // The clicked button takes the focus and keeps it at the next showing.
        QCOMPARE(showing(c.defaultButton, [&](QWidget *m) { clickButton(m, c.cancelButton); }), c.cancelResult);
        QCOMPARE(showing(c.cancelButton, [](QWidget *m) { pressKey(m, Qt::Key_Return); }), c.cancelResult);
        // Escape presses the cancel button without moving the focus.
        const auto tabThenEscape = [](QWidget *m) {
            pressKey(m, Qt::Key_Tab);
            pressKey(m, Qt::Key_Escape);
        };
        QCOMPARE(showing(c.cancelButton, tabThenEscape), c.cancelResult);
        QCOMPARE(showing(c.defaultButton, [](QWidget *m) { pressKey(m, Qt::Key_Enter); }), c.defaultResult);
    }

    void looksAndTextsAtEachShowing_data() { perDialog(); }
    void looksAndTextsAtEachShowing()
    {
        QFETCH(int, index);
        const DialogCase &c = dialogCases()[index];
        TGameDialog *dialog = make(index);
        // A fixed size and no minimise or maximise box.
        QCOMPARE(dialog->size(), QSize(261, 103));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // Questions are in bold, the notice is not; Yes stands right of No only in the level questions.
        QCOMPARE(dialog->Label1->font().bold(), c.cancelButton != nullptr);
        if (c.cancelButton)
            QCOMPARE(button(dialog, c.defaultButton)->x() > button(dialog, c.cancelButton)->x(), c.defaultOnRight);

        // The main window changes its language between showings; unknown codes speak English.
        for (const int tongue : {German, English, Undecided, 5, German}) {
            m_tongue = tongue;
            const bool german = tongue == German;
            QImage label;
            execAnswering(dialog, [&](QWidget *modal) {
                label = dialog->Label1->grab().toImage();
                QCOMPARE(modal->windowTitle(), QStringLiteral("Zorbix Hoplix"));
                QCOMPARE(dialog->Label1->text(), QString::fromUtf8(german ? c.german : c.english));
                if (c.cancelButton) {
                    QCOMPARE(button(modal, c.defaultButton)->text(), QLatin1String(german ? "Ja" : "Yes"));
                    QCOMPARE(button(modal, c.cancelButton)->text(), QLatin1String(german ? "Nein" : "No"));
                } else {
                    QCOMPARE(button(modal, c.defaultButton)->text(), QStringLiteral("OK"));
                }
                clickButton(modal, c.defaultButton);
            });
            // A long question wraps at a word, never runs into the label's edge.
            for (int y = 0; y < label.height(); ++y)
                QCOMPARE(label.pixelColor(label.width() - 1, y), dialog->palette().color(QPalette::Window));
        }
    }

    void noticePictureSitsFivePixelsFromTheLeft()
    {
        TAllLevelsDlg dialog(m_mainForm.get(), m_tongue);
        // A plain red picture makes its place easy to find on the drawn button.
        QPixmap red(dialog.OKBtn->iconSize());
        red.fill(Qt::red);
        dialog.OKBtn->setIcon(red);
        const QImage drawn = dialog.OKBtn->grab().toImage();
        int firstRedColumn = 0;
        while (firstRedColumn < drawn.width() && drawn.pixelColor(firstRedColumn, drawn.height() / 2) != Qt::red)
            ++firstRedColumn;
        QCOMPARE(firstRedColumn, 5);
    }

    void centreOnMainForm_data()
    {
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<QSize>("dialogFrame");
        QTest::addColumn<QPoint>("expected");
        // The main window's client area is 362 high; (362 + 129) div 2 truncates.
        QTest::newRow("worked example") << QRect(100, 50, 506, 400) << QSize(267, 129) << QPoint(219, 205);
        // 100 + (-67) div 2 = 100 - 33: toward zero, not down to -34.
        QTest::newRow("main window narrower than the dialog")
            << QRect(100, 50, 200, 400) << QSize(267, 129) << QPoint(67, 205);
        QTest::newRow("main window left of and above the screen: no clamping")
            << QRect(-300, -200, 506, 400) << QSize(267, 129) << QPoint(-181, -45);
    }

    void centreOnMainForm()
    {
        QFETCH(QRect, mainFrame);
        QFETCH(QSize, dialogFrame);
        QTEST(CentreOnMainForm(mainFrame, 362, dialogFrame), "expected");
    }

    void dialogOpensOverTheMainForm()
    {
        TEndGameDlg dialog(m_mainForm.get(), m_tongue);
        // Moving the main window between showings moves the dialog with it.
        // The test platform frames a window with 2 pixels on each side: the
        // main window's frame is 510 x 366, the dialog's 265 x 107, so the
        // dialog sits (510 - 265) / 2 = 122 right of the main window's frame
        // and 366 - (362 + 107) / 2 = 132 below its top.
        for (const QPoint mainPlace : {QPoint(100, 50), QPoint(300, 20)}) {
            m_mainForm->move(mainPlace);
            QPoint dialogPlace;
            execAnswering(&dialog, [&](QWidget *modal) {
                dialogPlace = modal->frameGeometry().topLeft();
                modal->close();
            });
            QCOMPARE(dialogPlace, mainPlace + QPoint(122, 132));
        }
    }

    void messageBoxesKeepGermanTitlesAndButtons_data()
    {
        QTest::addColumn<bool>("warning");
        QTest::addColumn<QString>("press"); // empty: Escape
        QTest::addColumn<bool>("expectedAnswer");
        QTest::newRow("error box, OK") << false << QStringLiteral("OK") << false;
        QTest::newRow("warning, &Ja overwrites") << true << QStringLiteral("&Ja") << true;
        QTest::newRow("warning, &Nein keeps") << true << QStringLiteral("&Nein") << false;
        QTest::newRow("warning, Escape keeps") << true << QString() << false;
    }

    void messageBoxesKeepGermanTitlesAndButtons()
    {
        QFETCH(bool, warning);
        QFETCH(QString, press);
        // The game speaks English; the boxes' frames stay German.
        const QString text = Catalogue::overwriteQuestion(English, QStringLiteral("week1.zhx"));
        QStringList seen; // title, text and the sorted button captions
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QStringList buttons;
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            buttons.sort();
            seen << box->windowTitle() << box->text() << buttons;
            QCOMPARE(box->icon(), warning ? QMessageBox::Warning : QMessageBox::Critical);
            if (press.isEmpty())
                return QTest::keyClick(box, Qt::Key_Escape);
            for (QAbstractButton *b : box->buttons())
                if (b->text() == press)
                    b->click();
        });

        bool answer = false;
        if (warning)
            answer = askWarning(m_mainForm.get(), text);
        else
            showErrorBox(m_mainForm.get(), text);
        QTEST(answer, "expectedAnswer");
        QCOMPARE(seen, warning ? QStringList({"Warnung", text, "&Ja", "&Nein"}) : QStringList({"Fehler", text, "OK"}));
    }

private:
    enum Only { All, TwoButtons };
    /// A row per dialog; with TwoButtons, only those that have a second button.
    void perDialog(Only only = All)
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(dialogCases().size()); ++i)
            if (only == All || dialogCases()[i].cancelButton)
                QTest::newRow(dialogCases()[i].name) << i;
    }
    TGameDialog *make(int index) { return dialogCases()[index].make(m_mainForm.get(), m_tongue); }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
