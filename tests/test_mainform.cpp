// Whole flows through the main window with real key and mouse events, the
// dialogs answered as a player would.
#include "mainformfixture.h"

#include "asplayer.h"

#include "game/savedgame.h"
#include "view/levelbox.h"
#include "view/progressgauge.h"

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

namespace {

/// Two platforms to the right of the hero, one cell apart.
const BoardPicture LongJumpLine = {"H.#.#"};

/// What the levels other than the one in play hold when a row starts.
enum class SetBefore { Unsolved, OthersSolved, Complete };

} // namespace

Q_DECLARE_METATYPE(const BoardPicture *)
Q_DECLARE_METATYPE(SetBefore)

class TestMainForm : public QObject {
    Q_OBJECT

    /// A started game takes a key and closes through the real close flow.
    static void playsAndCloses(MainFormFixture &f)
    {
        f.key(Qt::Key_Right);
        QCOMPARE(f.form->board.heroColumn, 1);
        f.answerQuitWithoutSaving();
        QVERIFY(f.form->close());
        QVERIFY2(f.settingsText().contains(QStringLiteral("level=1")), qPrintable(f.settingsText()));
    }

private slots:
    void startsAtTheDesignSizeOnBlack()
    {
        MainFormFixture f;
        f.start(3, Crossing);
        QCOMPARE(f.form->size(), QSize(494, 362));
        QCOMPARE(f.form->units, (DrawingUnits{19, 32, 14, 24, 5}));
        QCOMPARE(f.form->box->geometry(), QRect(0, 33, 494, 314));
        QCOMPARE(f.form->gsol->geometry(), QRect(0, 332, 494, 15));
        QCOMPARE(f.form->DummyMemo->geometry(), QRect(499, 52, 57, 41)); // out of sight
        QCOMPARE(QApplication::focusWidget(), f.form->DummyMemo);
        QCOMPARE(f.form->box->canvas().pixelColor(1, 1), EmptyColor);
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Zorbix Hoplix1.6 - Freeware"));
        QCOMPARE(f.form->State, GameState::Playing);
    }

    void arrowMovesAndThePlatformVanishes()
    {
        MainFormFixture f;
        f.start(2, Crossing);
        const QPoint start = f.heroCentre() + QPoint(1, 1); // off the stars' lines
        f.key(Qt::Key_Right);
        QCOMPARE(f.form->board.heroColumn, 3);
        QVERIFY(!f.form->board.hasPlatform(2, 2));
        QCOMPARE(f.effectList(), QList<int>{1});
        QCOMPARE(f.form->box->canvas().pixelColor(start), EmptyColor);
        QCOMPARE(f.form->box->canvas().pixelColor(f.heroCentre()), HeroColor);
    }

    void shiftDoublesTheJump()
    {
        MainFormFixture f;
        f.start(2, LongJumpLine);
        f.key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(f.form->board.heroColumn, 2);
        QCOMPARE(f.effectList(), QList<int>{2});
        // The sound button up: no effect, the move all the same.
        f.form->tools->SoundBtn->click();
        f.key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(f.form->board.heroColumn, 4);
        QCOMPARE(f.effectList(), QList<int>{2});
    }

    void anyKeySolvesTheLastPlatform()
    {
        MainFormFixture f;
        f.start(2, TwoInARow);
        f.key(Qt::Key_Right);
        bool drawnEarly = true; // the board is painted anew once the question has gone, not before
        f.answers.then([&](QWidget *w) {
            QCoreApplication::processEvents();
            drawnEarly = f.form->box->canvas().pixelColor(f.heroCentre()) == HeroColor;
            DialogAnswerer::click(w, QStringLiteral("NoBtn"));
        });
        QTest::keyClick(f.form->DummyMemo, Qt::Key_Shift); // Shift alone
        QVERIFY(!drawnEarly);
        QCOMPARE(f.answers.seen(), QStringList{"TNextLevelDlg"});
        QCOMPARE(f.form->State, GameState::Solved);
        QCOMPARE(f.form->board.platformCount(), 0);
        QVERIFY(f.form->SolvedFlags.isSolved(1));
        QCOMPARE(f.effectList(), (QList<int>{1, 4}));
        QCOMPARE(f.form->gsol->position(), 1);
        // The board uncovered by the dialog is painted anew: the hero shows again
        // on his empty cell, and the bar's hint has caught up.
        QTRY_COMPARE(f.form->box->canvas().pixelColor(f.heroCentre()), HeroColor);
        QCOMPARE(f.form->box->canvas().pixelColor(f.heroCentre() + QPoint(1, 12)), EmptyColor);
        QCOMPARE(f.form->gsol->toolTip(), QStringLiteral("1 of 2 levels solved"));
        // Solved: keys do nothing any more.
        f.key(Qt::Key_Left);
        QCOMPARE(f.form->board.heroColumn, 1);
    }

    void effectsFollowTheSoundButton_data()
    {
        QTest::addColumn<const BoardPicture *>("picture");
        QTest::addColumn<int>("levels");
        QTest::addColumn<SetBefore>("before");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("refuse"); ///< the audio output refuses every clip
        QTest::addColumn<QList<int>>("effects");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<int>("heroColumn");

        const auto row = [](const char *name, const BoardPicture &picture, SetBefore before, const QStringList &keys,
                            const QString &answer, bool refuse, const QList<int> &effects, const QStringList &dialogs,
                            int heroColumn) {
            QTest::newRow(name) << &picture << 2 << before << keys << answer << refuse << effects << dialogs
                                << heroColumn;
        };
        const SetBefore unsolved = SetBefore::Unsolved;
        const QStringList solve{"Right", "Space"};
        row("short jump", Crossing, unsolved, {"Right"}, {}, false, {1}, {}, 3);
        row("long jump", LongJumpLine, unsolved, {"Shift+Right"}, {}, false, {2}, {}, 2);
        row("loss", Crossing, unsolved, {"Left"}, "NoBtn", false, {3}, {"TLostLevelDlg"}, 2);
        row("solve", TwoInARow, unsolved, solve, "NoBtn", false, {1, 4}, {"TNextLevelDlg"}, 1);
        row("solve completing the set", TwoInARow, SetBefore::OthersSolved, solve, "OKBtn", false, {1, 5},
            {"TAllLevelsDlg"}, 1);
        row("solve after the set was complete", TwoInARow, SetBefore::Complete, solve, "NoBtn", false, {1, 4},
            {"TNextLevelDlg"}, 1);
        row("refused clips: the jump, the loss and the question still happen", Crossing, unsolved, {"Right", "Right"},
            "NoBtn", true, {1, 3}, {"TLostLevelDlg"}, 3);
    }

    void effectsFollowTheSoundButton()
    {
        QFETCH(const BoardPicture *, picture);
        QFETCH(int, levels);
        QFETCH(SetBefore, before);
        QFETCH(QStringList, keys);
        QFETCH(QString, answer);
        QFETCH(bool, refuse);
        QFETCH(QList<int>, effects);

        // With the sound button down the effects are asked for; up, none is,
        // and the game goes exactly the same way.
        for (const bool sound : {true, false}) {
            MainFormFixture f;
            f.start(levels, *picture, sound ? QStringLiteral("tongue=0\n") : QStringLiteral("tongue=0\nsound=0\n"));
            QCOMPARE(f.form->tools->SoundBtn->isChecked(), sound);
            f.refuseClips = refuse;
            for (int level = 2; level <= levels; ++level)
                f.form->SolvedFlags[level] = before == SetBefore::Unsolved ? 0 : 1;
            if (before == SetBefore::Complete) {
                f.form->SolvedFlags[1] = 1;
                f.form->AllSolvedFlag = true;
            }
            if (!answer.isEmpty())
                f.answers.press(answer);
            f.keys(keys);
            QCOMPARE(f.effectList(), sound ? effects : QList<int>());
            QTEST(f.answers.seen(), "dialogs");
            QTEST(f.form->board.heroColumn, "heroColumn");
        }
    }

    void loseThenRepeat()
    {
        MainFormFixture f;
        f.start(2, Crossing);
        f.key(Qt::Key_Right); // onto (3, 2)
        f.answers.press(QStringLiteral("YesBtn"));
        f.key(Qt::Key_Right); // (4, 2) is empty
        QCOMPARE(f.answers.seen(), QStringList{"TLostLevelDlg"});
        QCOMPARE(f.effectList(), (QList<int>{1, 3}));
        // The same level afresh.
        QCOMPARE(f.form->State, GameState::Playing);
        QCOMPARE(f.form->board.heroColumn, 2);
        QCOMPARE(f.form->board.platformCount(), 3);
        QCOMPARE(f.form->box->canvas().pixelColor(f.heroCentre()), HeroColor);
    }

    void loseThenNoIgnoresInputUntilRestart()
    {
        MainFormFixture f;
        f.start(2, Crossing);
        f.answers.press(QStringLiteral("NoBtn"));
        f.key(Qt::Key_Up, Qt::ShiftModifier); // off the board
        QCOMPARE(f.form->State, GameState::Lost);
        f.key(Qt::Key_Right);
        f.click(3, 2);
        QCOMPARE(f.form->board.heroColumn, 2); // nothing moved
        // The hero stays drawn where he stood.
        QCOMPARE(f.form->box->canvas().pixelColor(f.heroCentre()), HeroColor);
        f.form->tools->RestartBtn->click(); // no question while lost
        QCOMPARE(f.answers.seen(), QStringList{"TLostLevelDlg"});
        QCOMPARE(f.form->State, GameState::Playing);
    }

    void clicksMoveLoseOrDoNothing()
    {
        MainFormFixture f;
        f.start(2, {"", "", "..H#.#", "..#", "..#"});
        f.click(5, 2); // three away: nothing
        f.click(3, 3); // diagonal platform? empty: loses below
        QCOMPARE(f.form->State, GameState::Lost);
        f.form->tools->RestartBtn->click();
        QTest::mouseClick(f.form->box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); // on no cell
        f.click(2, 2);                                                                // his own platform
        QCOMPARE(f.form->board.heroColumn, 2);
        QCOMPARE(f.form->State, GameState::Playing);
        f.click(2, 4, Qt::RightButton); // two down, with the right button
        QCOMPARE(f.form->board.heroRow, 4);
        QCOMPARE(f.effectList(), (QList<int>{3, 2}));
        QCOMPARE(f.answers.seen(), QStringList{"!TLostLevelDlg"});
        QCOMPARE(f.answers.takeStrays(), QStringList{"TLostLevelDlg"}); // the loss left unanswered on purpose
    }

    void clickAnywhereSolvesTheLastPlatform()
    {
        MainFormFixture f;
        f.start(1, TwoInARow);
        // Nothing is drawn below the front row, where a ninth row would lie.
        QCOMPARE(f.form->box->canvas().pixelColor(16, 305), EmptyColor);
        f.click(1, 0, Qt::MiddleButton);
        f.answers.press(QStringLiteral("OKBtn"));
        QTest::mouseClick(f.form->box, Qt::LeftButton, Qt::NoModifier, QPoint(480, 300));
        QCOMPARE(f.form->State, GameState::Solved);
        QCOMPARE(f.answers.seen(), QStringList{"TAllLevelsDlg"});
    }

    void solveThenNextLevel()
    {
        MainFormFixture f;
        f.start({levelFromPicture(TwoInARow), levelFromPicture(Crossing)});
        QCOMPARE(f.form->tools->levelbox->toolTip(), QStringLiteral("Level 1: unsolved"));
        f.key(Qt::Key_Right);
        f.answers.press(QStringLiteral("YesBtn"));
        f.key(Qt::Key_A);
        QCOMPARE(f.answers.seen(), QStringList{"TNextLevelDlg"});
        QCOMPARE(f.form->CurrentLevel, 2);
        QCOMPARE(f.form->tools->levelscroll->value(), 2);
        QCOMPARE(f.form->State, GameState::Playing);
        QCOMPARE(f.form->board.heroRow, 2);
        QCOMPARE(f.form->gsol->toolTip(), QStringLiteral("1 of 2 levels solved"));
        // Yes on the highest level, with level 1 unsolved again, leaves the
        // game there, solved.
        f.form->SolvedFlags[1] = 0;
        f.form->board = loadBoard(levelFromPicture(TwoInARow));
        f.key(Qt::Key_Right);
        f.answers.clear();
        f.answers.press(QStringLiteral("YesBtn"));
        f.key(Qt::Key_A);
        QCOMPARE(f.answers.seen(), QStringList{"TNextLevelDlg"});
        QCOMPARE(f.form->CurrentLevel, 2);
        QCOMPARE(f.form->State, GameState::Solved);
    }

    void allLevelsNoticeOncePerRun()
    {
        MainFormFixture f;
        f.start(2, TwoInARow);
        f.form->SolvedFlags[2] = 1;
        f.key(Qt::Key_Right);
        f.answers.press(QStringLiteral("OKBtn"));
        f.key(Qt::Key_Space);
        QVERIFY(f.form->AllSolvedFlag);
        QCOMPARE(f.effectList(), (QList<int>{1, 5}));
        // Solving again in the same run: the ordinary question and sound.
        f.form->tools->RestartBtn->click();
        f.key(Qt::Key_Right);
        f.answers.press(QStringLiteral("NoBtn"));
        f.key(Qt::Key_Space);
        QCOMPARE(f.answers.seen(), (QStringList{"TAllLevelsDlg", "TNextLevelDlg"}));
        QCOMPARE(f.effectList(), (QList<int>{1, 5, 1, 4}));
        QCOMPARE(f.form->gsol->position(), 2);
    }

    void searchesWrapAround()
    {
        MainFormFixture f;
        f.start(10, Crossing, "tongue=0\nlevel=5\n");
        for (int level = 1; level <= 10; ++level)
            f.form->SolvedFlags[level] = (level == 3 || level == 7) ? 0 : 1;
        f.form->tools->sDownBtn->click();
        QCOMPARE(f.form->CurrentLevel, 3);
        QCOMPARE(f.form->tools->levelscroll->value(), 3);
        f.form->tools->sDownBtn->click(); // wraps past 1 to 10, on down to 7
        QCOMPARE(f.form->CurrentLevel, 7);
        f.form->tools->sUpBtn->click(); // wraps past 10 to 3
        QCOMPARE(f.form->CurrentLevel, 3);
        f.form->SolvedFlags[7] = 1; // only the current level unsolved: nothing
        f.form->tools->sUpBtn->click();
        f.form->tools->sDownBtn->click();
        QCOMPARE(f.form->CurrentLevel, 3);
        QVERIFY(f.answers.seen().isEmpty());
    }

    void newGameKeepsAllSolvedFlag()
    {
        MainFormFixture f;
        f.start(3, Crossing, "tongue=0\nlevel=2\n");
        for (int level = 1; level <= 3; ++level)
            f.form->SolvedFlags[level] = 1;
        f.form->SolvedFlags[4] = 1; // above the level count: kept
        f.form->AllSolvedFlag = true;
        f.answers.press(QStringLiteral("CancelBtn"));
        f.form->tools->NewGameBtn->click();
        QCOMPARE(f.form->CurrentLevel, 2);
        f.answers.press(QStringLiteral("OKBtn"));
        f.form->tools->NewGameBtn->click();
        QCOMPARE(f.answers.seen(), (QStringList{"TRestartDlg", "TRestartDlg"}));
        QCOMPARE(f.form->CurrentLevel, 1);
        QCOMPARE(f.form->tools->levelscroll->value(), 1);
        QCOMPARE(f.form->SolvedFlags[1] | f.form->SolvedFlags[2] | f.form->SolvedFlags[3], 0);
        QCOMPARE(f.form->SolvedFlags[4], 1);
        QVERIFY(f.form->AllSolvedFlag);
        f.key(Qt::Key_Right); // at level 1 already: a new game starts it afresh all the same
        f.answers.press(QStringLiteral("OKBtn"));
        f.form->tools->NewGameBtn->click();
        QCOMPARE(f.form->board.heroColumn, 2);
    }

    void restartAsksOnlyWhilePlaying()
    {
        MainFormFixture f;
        f.start(2, Crossing);
        f.key(Qt::Key_Right);
        f.answers.press(QStringLiteral("CancelBtn"));
        f.form->tools->RestartBtn->click();
        QCOMPARE(f.form->board.heroColumn, 3);
        f.answers.press(QStringLiteral("OKBtn"));
        f.form->tools->RestartBtn->click();
        QCOMPARE(f.form->board.heroColumn, 2);
        QCOMPARE(f.answers.seen(), (QStringList{"TGiveUpDlg", "TGiveUpDlg"}));
    }

    void levelSelectorGivesTheKeysBack()
    {
        MainFormFixture f;
        f.start(30, Crossing);
        f.key(Qt::Key_Right); // a level in progress is left without a question
        QScrollBar *selector = f.form->tools->levelscroll;
        QTest::mouseClick(selector, Qt::LeftButton, Qt::NoModifier, QPoint(60, 9)); // the track: +10
        QCOMPARE(f.form->CurrentLevel, 11);
        QCOMPARE(f.form->board.heroColumn, 2);
        QCOMPARE(QApplication::focusWidget(), f.form->DummyMemo);
        f.key(Qt::Key_Down);
        QCOMPARE(f.form->board.heroRow, 3);
        QVERIFY(f.answers.seen().isEmpty());
    }

    void tabMovesBetweenSinkAndSelector()
    {
        // Level 1 down to one platform, where any key reaching the board would
        // solve it; level 2 a crossing.
        MainFormFixture f;
        f.start({levelFromPicture(TwoInARow), levelFromPicture(Crossing), levelFromPicture(Crossing)});
        f.key(Qt::Key_Right);
        f.key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.form->tools->levelscroll);
        // Keys the selector does not use stay with it: none reaches the board.
        for (int key : {Qt::Key_Shift, Qt::Key_A, Qt::Key_F5, Qt::Key_Space})
            f.key(key);
        QCOMPARE(f.form->State, GameState::Playing);
        QVERIFY(f.answers.seen().isEmpty());
        f.key(Qt::Key_Right); // moves the selector by one, and the keys come back
        QCOMPARE(f.form->CurrentLevel, 2);
        QCOMPARE(QApplication::focusWidget(), f.form->DummyMemo);
        f.key(Qt::Key_Right);
        QCOMPARE(f.form->board.heroColumn, 3);
        f.key(Qt::Key_Tab);
        f.key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.form->DummyMemo);
        f.key(Qt::Key_Tab);
        QShowEvent restored; // as the window comes back from the taskbar: the keys go to the board again
        QApplication::sendEvent(f.form.get(), &restored);
        QCOMPARE(QApplication::focusWidget(), f.form->DummyMemo);
    }

    void storedLevelIsClamped_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("level");
        QTest::newRow("0 starts at 1") << "0" << 1;
        QTest::newRow("250 of 120 starts at 120") << "250" << 120;
        QTest::newRow("abc reads as the default 1") << "abc" << 1;
        QTest::newRow("hexadecimal $1F is 31") << "$1F" << 31;
    }

    void storedLevelIsClamped()
    {
        QFETCH(QString, stored);
        QFETCH(int, level);
        MainFormFixture f;
        f.start(120, Crossing, "tongue=0\nlevel=" + stored + "\n");
        QCOMPARE(f.form->CurrentLevel, level);
        QCOMPARE(f.form->tools->levelscroll->value(), level);
        QCOMPARE(f.form->tools->levelscroll->maximum(), 120);
    }

    void closeAnsweredNoChangesNothing()
    {
        MainFormFixture f;
        f.start(2, Crossing);
        f.key(Qt::Key_Right);
        const QString before = f.settingsText();
        f.answers.press(QStringLiteral("CancelBtn"));
        f.form->tools->ExitBtn->click();
        f.answers.closeBox();
        f.form->close();
        QCOMPARE(f.answers.seen(), (QStringList{"TEndGameDlg", "TEndGameDlg"}));
        QVERIFY(f.form->isVisible());
        QCOMPARE(f.form->board.heroColumn, 3);
        QCOMPARE(f.settingsText(), before);
    }

    void closeWritesTheSettings()
    {
        MainFormFixture f;
        f.start(20, Crossing, "tongue=1\nlevel=12\n");
        f.form->tools->SoundBtn->click(); // sound off
        f.answers.press(QStringLiteral("OKBtn"))
            .then([&](QWidget *w) {
                QVERIFY(!f.form->Timer->isActive());  // the stars stop before the shutdown dialogs
                f.form->close();                      // a second request meanwhile asks nothing: see what came
                qobject_cast<QDialog *>(w)->reject(); // the save dialog, cancelled
            })
            .press(QStringLiteral("OKBtn"));
        QVERIFY(f.form->Timer->isActive());
        QVERIFY(f.form->close());
        QCOMPARE(f.answers.seen(), (QStringList{"TEndGameDlg", "QFileDialog", "TFreewareDlg"}));
        QSettings ini(f.iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("common/tongue").toString(), QStringLiteral("1"));
        QCOMPARE(ini.value("common/level").toString(), QStringLiteral("12"));
        QCOMPARE(ini.value("common/sound").toString(), QStringLiteral("0"));
        QVERIFY(ini.contains("common/save"));
        QCOMPARE(ini.value("common/save").toString(), QString());
    }

    /** The desktop saves its session: what the next start needs is written
     *  at once, nothing is asked, and the game plays on. A change alone is
     *  written within a second. */
    void checkpointKeepsAndPlaysOn()
    {
        MainFormFixture f;
        f.start(3, Crossing, "tongue=0\nlevel=2\n");
        f.form->tools->sUpBtn->click();
        QTRY_VERIFY(f.settingsText().contains(QStringLiteral("level=3")));
        f.form->tools->SoundBtn->click();
        f.form->commitData();
        QVERIFY2(f.settingsText().contains(QStringLiteral("sound=0")), qPrintable(f.settingsText()));
        QVERIFY(f.form->isVisible() && !f.form->ended());
        f.key(Qt::Key_Right);
        QCOMPARE(f.form->board.heroColumn, 3);
    }

    /** Progress that cannot be kept is told on stderr once, however often
     *  the game tries again. */
    void unkeptProgressIsToldOnce()
    {
        MainFormFixture f;
        QVERIFY(put(f.folder.filePath("data/ZorbixGames"), Put::File)); // no folder can be made there
        f.start(2, TwoInARow);
        const QRegularExpression told(QStringLiteral("progress not saved cannot be kept"));
        QTest::ignoreMessage(QtWarningMsg, told);
        QTest::failOnWarning(told);
        f.answers.press(QStringLiteral("NoBtn"));
        f.key(Qt::Key_Right);
        f.key(Qt::Key_Right);
        for (int again = 0; again < 3; ++again)
            f.form->commitData();
    }

    void unsavedProgress_data()
    {
        QTest::addColumn<QByteArray>("left");      // what a run before left; empty: nothing
        QTest::addColumn<bool>("solve");           // level 1 solved in this run
        QTest::addColumn<QString>("end");          // ended from "outside", by a "close" or after a "save"
        QTest::addColumn<int>("taken");            // solved levels the game starts with
        QTest::addColumn<QByteArray>("leftAfter"); // the file after the end; empty: none
        const auto flags = [](std::initializer_list<int> levels) {
            SolvedTable table;
            for (int level : levels)
                table[level] = 1;
            return savedGameBytes(table);
        };
        const QByteArray none;
        QTest::newRow("solved, ended from outside: kept") << none << true << "outside" << 0 << flags({1});
        QTest::newRow("nothing new, ended from outside: no file") << none << false << "outside" << 0 << none;
        QTest::newRow("left before: taken and kept on") << flags({2}) << true << "outside" << 1 << flags({1, 2});
        QTest::newRow("left before, nothing new: kept as it is") << flags({2}) << false << "outside" << 1 << flags({2});
        QTest::newRow("a close with the save dialog: gone") << flags({2}) << false << "close" << 1 << none;
        QTest::newRow("a save: gone") << none << true << "save" << 0 << none;
        QTest::newRow("not a whole saved game: ignored") << flags({2}).first(799) << false << "outside" << 0 << none;
    }

    /** The progress not saved, from one run to the next: the rules of its file. */
    void unsavedProgress()
    {
        QFETCH(QByteArray, left);
        QFETCH(QString, end);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("cannot be"))); // kept and removed as it should be
        MainFormFixture f;
        const QString saved = f.folder.filePath("week1.zhx");
        QVERIFY(put(saved, Put::File, savedGameBytes({})));
        if (!left.isEmpty()) // else not even the folder is there
            QVERIFY(put(f.unsavedPath(), Put::File, left));
        if (!left.isEmpty() && left.size() != SavedGameSize) // told of on stderr
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unsaved.zhx holds 799 bytes")));
        f.start(3, TwoInARow, "tongue=0\nsave=" + saved + "\n");
        QTEST(f.form->gsol->position(), "taken");
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Zorbix Hoplix1.6 - Freeware - Game week1.zhx"));
        QFETCH(bool, solve);
        if (solve) {
            f.answers.press(QStringLiteral("NoBtn"));
            f.key(Qt::Key_Right);
            f.key(Qt::Key_Right);
        }
        if (end == "outside") {
            QObject guard; // the fallback end goes with the test
            QTimer::singleShot(0, &guard, [&] {
                f.form->endSession();
                QTimer::singleShot(0, &guard, [] { QCoreApplication::exit(1); });
            });
            QCOMPARE(QCoreApplication::exec(), 0);
            // A close after the end asks nothing and writes nothing.
            QFile::remove(f.iniPath());
            QVERIFY(f.form->close());
            QVERIFY(!QFile::exists(f.iniPath()));
        } else if (end == "close") {
            f.answerQuitWithoutSaving();
            QVERIFY(f.form->close());
        } else {
            QStringList offered; // the save dialog offers the saved game played
            f.answers.then([&](QWidget *w) {
                offered = qobject_cast<QFileDialog *>(w)->selectedFiles();
                DialogAnswerer::chooseFile(w, f.folder.filePath("week2.zhx"));
            });
            f.form->tools->SaveBtn->click();
            QCOMPARE(offered, QStringList{saved});
        }
        QTEST(fileBytes(f.unsavedPath()), "leftAfter");
    }

    void firstStartAsksTheLanguage_data()
    {
        QTest::addColumn<QString>("choice"); // a button of the language dialog; empty: its close box
        QTest::addColumn<int>("tongue");
        QTest::addColumn<QString>("label");
        QTest::newRow("closed without a choice") << QString() << -1 << "Level:";
        QTest::newRow("German") << "GermanBtn" << 1 << "Ebene:";
    }

    void firstStartAsksTheLanguage()
    {
        QFETCH(QString, choice);
        QFETCH(int, tongue);
        MainFormFixture f;
        f.writeLevels(2, Crossing);
        QVERIFY(f.create());
        f.form->Timer->stop(); // no twinkle brings a repaint along: the greetings' end asks for it
        // The board is drawn only once the info dialog has gone too.
        bool drawnEarly = true;
        (choice.isEmpty() ? f.answers.closeBox() : f.answers.press(choice)).then([&](QWidget *w) {
            QCoreApplication::processEvents(); // a repaint the language dialog's going asked for
            drawnEarly = f.form->box->canvas().pixelColor(f.heroCentre()) == HeroColor;
            DialogAnswerer::click(w, QStringLiteral("OKBtn"));
        });
        f.form->show();
        QTRY_VERIFY(f.answers.done());
        QVERIFY(!drawnEarly);
        QTRY_COMPARE(f.form->box->canvas().pixelColor(f.heroCentre()), HeroColor);
        QCOMPARE(f.answers.seen(), (QStringList{"TTongueDlg", "TFreewareDlg"}));
        QCOMPARE(f.form->Tongue, tongue);
        QTEST(f.form->tools->levellabel->text(), "label");
        // A read creates nothing: no settings file until something changes.
        QVERIFY(tongue != -1 || !QFileInfo::exists(f.iniPath()));
    }

    void levelFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Put>("what");
        QTest::addColumn<QString>("message"); // what the player is told; empty: the game starts
        QTest::addColumn<int>("levels");
        const QString cannotFind = QStringLiteral("Can't find file ZHOP.DAT. Program aborted.");
        const QString noLevel = QStringLiteral("holds no whole level");
        const QByteArray one = serializeLevelSet({levelFromPicture(TwoInARow)});
        const auto startingAt = [&one](int offset, char value) {
            QByteArray bytes = one;
            bytes[offset] = value;
            return bytes;
        };
        QTest::newRow("missing") << QByteArray() << Put::Nothing << cannotFind << 0;
        QTest::newRow("a folder of that name") << QByteArray() << Put::Folder << cannotFind << 0;
        QTest::newRow("a named pipe, never opened") << QByteArray() << Put::Pipe << cannotFind << 0;
        QTest::newRow("a file the player may not read") << one << Put::UnreadableFile << cannotFind << 0;
        QTest::newRow("empty") << QByteArray() << Put::File << noLevel << 0;
        QTest::newRow("65 bytes") << one.first(65) << Put::File << noLevel << 0;
        QTest::newRow("66 bytes: one level") << one << Put::File << QString() << 1;
        QTest::newRow("a trailing fragment is never read") << one + one.first(30) << Put::File << QString() << 1;
        QTest::newRow("201 records: 200 levels") << one.repeated(201) << Put::File << QString() << 200;
        const QString outside = QStringLiteral("level %1 starts outside the board");
        QTest::newRow("start column 8 in level 2") << one + startingAt(64, 8) << Put::File << outside.arg(2) << 0;
        QTest::newRow("start row 8") << startingAt(65, 8) << Put::File << outside.arg(1) << 0;
        QTest::newRow("start column 255") << startingAt(64, char(255)) << Put::File << outside.arg(1) << 0;
        // The hero floats where no platform stands, and plays from there.
        QByteArray floating = serializeLevelSet({levelFromPicture({"H##"})});
        floating[0] = 0;
        QTest::newRow("the hero on an empty cell") << floating << Put::File << QString() << 1;
    }

    /** What the player meets with each kind of level set: a message box, after
     *  which the game ends, or a game that starts, plays and closes. */
    void levelFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Put, what);
        QFETCH(QString, message);
        MainFormFixture f;
        AsPlayer player({f.folder.path()}, what == Put::UnreadableFile);
        REQUIRE_PLAYER(player);
        QVERIFY(put(f.programFolder() + "/zhop.dat", what, bytes));
        f.writeSettings("tongue=0\n");
        if (message.isEmpty()) {
            f.start();
            QTEST(f.form->LevelCount, "levels");
            playsAndCloses(f);
            return;
        }
        const QString shown = f.failedStart();
        QVERIFY2(shown.startsWith(QStringLiteral("Fehler|")), qPrintable(shown));
        QVERIFY2(shown.contains(message), qPrintable(shown));
        if (what == Put::File)
            QVERIFY2(shown.contains(f.programFolder()), qPrintable(shown));
        QCOMPARE(f.settingsText(), f.sectionLine() + "tongue=0\n"); // nothing written
    }

    void savedGameAtStart_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Put>("what");
        QTest::addColumn<int>("solved"); // of 3 levels; -1: the start ends with a message
        QTest::addColumn<bool>("allFlagged");
        const QByteArray ones(100000, '\1'); // every whole flag 0x01010101, solved
        QTest::newRow("0 bytes") << QByteArray() << Put::File << 0 << false;
        QTest::newRow("3 bytes: a fragment, never read") << ones.first(3) << Put::File << 0 << false;
        QTest::newRow("4 bytes: level 1") << ones.first(4) << Put::File << 1 << false;
        QTest::newRow("799 bytes") << ones.first(799) << Put::File << 3 << true;
        QTest::newRow("800 bytes") << ones.first(800) << Put::File << 3 << true;
        QTest::newRow("801 bytes") << ones.first(801) << Put::File << 3 << true;
        QTest::newRow("100,000 bytes") << ones << Put::File << 3 << true;
        QTest::newRow("negative flags: flagged, not counted") << QByteArray(800, '\xff') << Put::File << 0 << true;
        QTest::newRow("huge flags") << QByteArray::fromHex("ffffff7f").repeated(200) << Put::File << 3 << true;
        // Anything but a regular file is skipped in silence; its name still counts.
        QTest::newRow("nothing there") << QByteArray() << Put::Nothing << 0 << false;
        QTest::newRow("a folder of that name") << QByteArray() << Put::Folder << 0 << false;
        QTest::newRow("a named pipe of that name") << QByteArray() << Put::Pipe << 0 << false;
        // A regular file that is there but cannot be read ends the start.
        QTest::newRow("a file the player may not read") << ones.first(800) << Put::UnreadableFile << -1 << false;
    }

    /** The saved game named by the settings, read at the start: what the game
     *  starts with, or the message that ends the start. */
    void savedGameAtStart()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Put, what);
        QFETCH(int, solved);
        MainFormFixture f;
        AsPlayer player({f.folder.path()}, what == Put::UnreadableFile);
        REQUIRE_PLAYER(player);
        f.writeLevels(3, TwoInARow);
        const QString path = f.folder.filePath("week1.zhx");
        QVERIFY(put(path, what, bytes));
        f.writeSettings(QStringLiteral("tongue=0\nsave=%1\n").arg(path));
        if (solved < 0) {
            QCOMPARE(f.failedStart(), "Fehler|Error occured while loading file " + path + "!");
            return;
        }
        f.start();
        QCOMPARE(f.form->gsol->position(), solved); // the progress bar's count of solved levels
        QTEST(f.form->AllSolvedFlag, "allFlagged");
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Zorbix Hoplix1.6 - Freeware - Game week1.zhx"));
        QCOMPARE(f.form->tools->levelbox->toolTip(),
                 solved ? QStringLiteral("Level 1: solved") : QStringLiteral("Level 1: unsolved"));
        playsAndCloses(f);
        QVERIFY(f.settingsText().contains(QStringLiteral("save=") + path));
    }
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
