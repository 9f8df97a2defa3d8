// A long random session through the main window on the shipped levels: key
// presses, clicks, toolbar buttons and level-selector moves, every dialog
// answered at random the moment it shows, and after each event the checks
// that hold whatever the player does. Then the real close, and the settings
// it wrote read back. The seed is fixed (ZHOP_SOAK_SEED picks another, and
// ZHOP_SOAK_EVENTS the length) and named in every failure.
//
// A new kind of event is one more entry in events(); a new check one more
// line in broken().
#include "mainformfixture.h"

#include "game/savedgame.h"
#include "game/solver.h"
#include "view/levelbox.h"
#include "view/progressgauge.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QScrollBar>
#include <QToolButton>

#include <functional>
#include <map>
#include <random>

namespace {

/// Answers each modal window as soon as it shows, with a choice drawn at
/// random, and notes what it answered.
class RandomAnswerer : public QObject {
public:
    struct Answer {
        QString window; ///< class name
        QString choice; ///< button name, "Escape", "close box", "cancel" or a file name
    };

    RandomAnswerer(std::mt19937 &random, const QString &folder, const QStringList &fileNames)
        : m_random(random)
        , m_folder(folder)
        , m_fileNames(fileNames)
    {
        qApp->installEventFilter(this);
    }

    bool quitAllowed = false; ///< whether the quit question may be answered Yes
    QList<Answer> answers;    ///< since the last clear
    bool answered(const QString &window, const QString &choice = {}) const
    {
        for (const Answer &a : answers)
            if (a.window == window && (choice.isEmpty() || a.choice == choice))
                return true;
        return false;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            if (w->isWindow() && w->isModal())
                answerSoon(w);
        }
        return false;
    }

private:
    // Posted, so the answer comes inside the window's own event loop.
    void answerSoon(QWidget *w)
    {
        QMetaObject::invokeMethod(
            this,
            [this, w = QPointer<QWidget>(w)] {
                if (!w || !w->isVisible())
                    return;
                answers.append({QString::fromLatin1(w->metaObject()->className()), answer(w)});
                // A file dialog given a folder's name opens that folder and stays.
                if (w && w->isVisible())
                    answerSoon(w);
            },
            Qt::QueuedConnection);
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QString answer(QWidget *w)
    {
        if (auto *files = qobject_cast<QFileDialog *>(w)) {
            const int k = pick(int(m_fileNames.size()) + 1);
            if (k == m_fileNames.size()) {
                files->reject();
                return QStringLiteral("cancel");
            }
            DialogAnswerer::chooseFile(files, m_folder + QLatin1Char('/') + m_fileNames[k]);
            return m_fileNames[k];
        }
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            QAbstractButton *button = box->buttons().at(pick(int(box->buttons().size())));
            const QString text = button->text();
            button->click();
            return text;
        }
        // The quit question is answered Yes only at the end of the session.
        const bool quitQuestion = w->metaObject()->className() == QLatin1String("TEndGameDlg");
        QStringList choices;
        for (QAbstractButton *button : w->findChildren<QAbstractButton *>())
            if (button->isVisible() && button->isEnabled() && !button->objectName().isEmpty())
                choices << button->objectName();
        choices << QStringLiteral("Escape") << QStringLiteral("close box");
        if (quitQuestion && quitAllowed)
            choices = QStringList{QStringLiteral("OKBtn")};
        else if (quitQuestion)
            choices.removeAll(QStringLiteral("OKBtn"));
        const QString choice = choices.at(pick(int(choices.size())));
        if (choice == QLatin1String("Escape"))
            QTest::keyClick(w, Qt::Key_Escape);
        else if (choice == QLatin1String("close box"))
            w->close();
        else
            DialogAnswerer::click(w, choice);
        return choice;
    }

    std::mt19937 &m_random;
    QString m_folder;
    QStringList m_fileNames;
};

bool sameBoard(const Board &a, const Board &b)
{
    return a.cells == b.cells && a.heroColumn == b.heroColumn && a.heroRow == b.heroRow;
}

/// What the game held before an event.
struct Before {
    int level;
    GameState state;
    SolvedTable flags;
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void randomSession()
    {
        const unsigned seed =
            qEnvironmentVariableIsSet("ZHOP_SOAK_SEED") ? qEnvironmentVariableIntValue("ZHOP_SOAK_SEED") : 20261208u;
        const int count =
            qEnvironmentVariableIsSet("ZHOP_SOAK_EVENTS") ? qEnvironmentVariableIntValue("ZHOP_SOAK_EVENTS") : 10000;
        m_random.seed(seed);

        QVERIFY(put(m_f.programFolder() + QStringLiteral("/zhop.dat"), Put::File, fileBytes(ZHOP_DAT)));
        m_f.writeSettings(QStringLiteral("tongue=0\n"));
        // Saved games to load and names to save under: a short file, negative
        // flags, a folder of a saved game's name, one that is not there.
        const QString &saves = m_saves = m_f.folder.filePath(QStringLiteral("saves"));
        QVERIFY(put(saves + QStringLiteral("/folder.zhx"), Put::Folder));
        QVERIFY(put(saves + QStringLiteral("/short.zhx"), Put::File, QByteArray("\1\0\0\0\1", 5)));
        SolvedTable flags;
        flags.flags.fill(-1);
        QVERIFY(writeSavedGame(saves + QStringLiteral("/negative.zhx"), flags));
        flags.flags.fill(1);
        flags[1] = 0; // solving level 1 brings the all-levels notice
        QVERIFY(writeSavedGame(saves + QStringLiteral("/nearly-all.zhx"), flags));
        m_f.start();
        m_f.answers.stop();

        RandomAnswerer answers(
            m_random, saves,
            {"week", "week.zhx", "other.sav", "short.zhx", "negative.zhx", "nearly-all.zhx", "folder.zhx", "gone.zhx"});
        m_answers = &answers;
        QList<QPair<int, std::function<QString()>>> kinds = events();
        std::map<QString, int> shown; // windows answered, by class, for the closing line
        int total = 0;
        for (const auto &kind : kinds)
            total += kind.first;

        for (int n = 1; n <= count; ++n) {
            const Before before{m_f.form->CurrentLevel, m_f.form->State, m_f.form->SolvedFlags};
            answers.answers.clear();
            QString event;
            if (m_guidedRun > 0) {
                --m_guidedRun;
                event = guidedKey();
            } else {
                int roll = pick(total);
                auto kind = kinds.begin();
                while (roll >= kind->first)
                    roll -= kind++->first;
                event = kind->second();
            }
            QCoreApplication::processEvents();
            const QString problem = broken(before, event);
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, event %2 (%3): %4").arg(seed).arg(n).arg(event, problem)));
            for (const RandomAnswerer::Answer &answer : answers.answers)
                ++shown[answer.window];
        }
        QStringList summary;
        for (const auto &[window, times] : shown)
            summary << QStringLiteral("%1 %2").arg(times).arg(window);
        qInfo("seed %u: %d events, %d levels solved at the end; answered %s", seed, count,
              progressCount(m_f.form->SolvedFlags, m_f.form->LevelCount), qPrintable(summary.join(u", ")));

        // The real close: Yes to the quit question, the save dialog and the info
        // dialog answered at random.
        answers.quitAllowed = true;
        QVERIFY2(m_f.form->close(), qPrintable(QStringLiteral("seed %1: the game did not close").arg(seed)));
        const TMainForm &m = *m_f.form;
        const SettingsStore written;
        const QString &common = GameSettings::Section;
        const QString at = QStringLiteral("seed %1: the settings written at the close").arg(seed);
        QVERIFY2(written.ReadBool(common, GameSettings::SoundKey, !m.soundOn()) == m.soundOn(), qPrintable(at));
        QVERIFY2(written.ReadInteger(common, GameSettings::LevelKey, 0) == m.CurrentLevel, qPrintable(at));
        QVERIFY2(written.ReadInteger(common, GameSettings::TongueKey, -2) == m.Tongue, qPrintable(at));
        QVERIFY2(written.ReadString(common, GameSettings::SaveKey, QStringLiteral("?")) == m.SavedGamePath,
                 qPrintable(at));
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    /// The kinds of event with their weights.
    QList<QPair<int, std::function<QString()>>> events()
    {
        TMainForm &m = *m_f.form;
        return {
            {20, [this] { return pressKey(Qt::Key_Left + pick(4), pick(3) ? Qt::NoModifier : Qt::ShiftModifier); }},
            {5,
             [this] {
                 const int others[] = {Qt::Key_Space,  Qt::Key_A,  Qt::Key_Shift,
                                       Qt::Key_Return, Qt::Key_F5, Qt::Key_Tab};
                 return pressKey(others[pick(6)], Qt::NoModifier);
             }},
            {3,
             [this] {
                 m_guidedRun = 64; // the next keys too, till the level is solved or left
                 return guidedKey();
             }},
            {25,
             [this, &m] {
                 const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
                 const QPoint at = pick(4) ? heroRect(m.units, pick(10) - 1, pick(10) - 1).center()
                                           : QPoint(pick(m.box->width()), pick(m.box->height()));
                 QTest::mouseClick(m.box, buttons[pick(3)], Qt::NoModifier, at);
                 return QStringLiteral("click at %1,%2").arg(at.x()).arg(at.y());
             }},
            {15,
             [this, &m] {
                 QToolButton *buttons[] = {m.tools->NewGameBtn, m.tools->RestartBtn, m.tools->LoadBtn,
                                           m.tools->SaveBtn,    m.tools->SoundBtn,   m.tools->ExitBtn,
                                           m.tools->sDownBtn,   m.tools->sUpBtn,     m.tools->TongueBtn,
                                           m.tools->RulesBtn,   m.tools->InfoBtn};
                 QToolButton *button = buttons[pick(11)];
                 button->click();
                 return button->objectName();
             }},
            {10,
             [this, &m] {
                 QScrollBar *selector = m.tools->levelscroll;
                 const QPoint at(pick(selector->width()), selector->height() / 2);
                 QTest::mouseClick(selector, Qt::LeftButton, Qt::NoModifier, at);
                 return QStringLiteral("selector at %1").arg(at.x());
             }},
        };
    }

    QString pressKey(int key, Qt::KeyboardModifiers modifiers)
    {
        const QWidget *target = m_f.key(key, modifiers);
        return QStringLiteral("key %1%2 to %3")
            .arg(modifiers ? QStringLiteral("Shift+") : QString())
            .arg(QKeySequence(key).toString(), target->objectName());
    }

    /// A key from a way through the level when the board is still on it, so
    /// that levels get solved too; a random arrow otherwise.
    QString guidedKey()
    {
        const TMainForm &m = *m_f.form;
        const Board start = loadBoard(m.LevelSet[m.CurrentLevel - 1]);
        if (m.State == GameState::Playing && sameBoard(m.board, start)) {
            m_guideLevel = m.CurrentLevel;
            m_guideStep = 0;
            m_guideBoard = start;
            if (!m_solutions.count(m.CurrentLevel))
                m_solutions[m.CurrentLevel] = analyseLevel(m.LevelSet[m.CurrentLevel - 1], {1, true, false}).moves;
        }
        if (m_guideLevel != m.CurrentLevel || !sameBoard(m.board, m_guideBoard) || m.State != GameState::Playing) {
            m_guidedRun = 0;
            return pressKey(Qt::Key_Left + pick(4), Qt::NoModifier);
        }
        const std::vector<Move> &moves = m_solutions[m_guideLevel];
        if (m_guideStep == moves.size()) {
            m_guidedRun = 0;
            return pressKey(Qt::Key_Space, Qt::NoModifier); // the last platform
        }
        const Move move = moves[m_guideStep++];
        const int target = jumpTarget(cellIndex(m_guideBoard.heroColumn, m_guideBoard.heroRow), move);
        applyJump(m_guideBoard, Cell{target / BoardSide, target % BoardSide});
        const int keys[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
        return pressKey(keys[int(move.arrow)], move.longJump ? Qt::ShiftModifier : Qt::NoModifier);
    }

    /// What is wrong after an event, or nothing.
    QString broken(const Before &before, const QString &event)
    {
        const TMainForm &m = *m_f.form;
        const RandomAnswerer &a = *m_answers;
        if (!onBoard(m.board.heroColumn, m.board.heroRow))
            return QStringLiteral("the hero stands off the board");
        if (m.CurrentLevel < 1 || m.CurrentLevel > m.LevelCount)
            return QStringLiteral("CurrentLevel %1 is no level").arg(m.CurrentLevel);
        if (m.tools->levelscroll->value() != m.CurrentLevel)
            return QStringLiteral("the selector shows level %1").arg(m.tools->levelscroll->value());
        if (m.gsol->position() != progressCount(m.SolvedFlags, m.LevelCount))
            return QStringLiteral("the progress bar stands at %1").arg(m.gsol->position());
        if (m.tools->levelbox->picture()
            != levelDisplayImage(m_glyphs, m.CurrentLevel, m.SolvedFlags.isSolved(m.CurrentLevel)))
            return QStringLiteral("the level display shows another level or state");
        if (QWidget *open = QApplication::activeModalWidget())
            return QStringLiteral("%1 was left open").arg(QString::fromLatin1(open->metaObject()->className()));
        // A pixel of the hero that no star can touch (stars keep to x or y
        // divisible by 3).
        QPoint hero = heroRect(m.units, m.board.heroColumn, m.board.heroRow).center();
        while (hero.x() % 3 == 0 || hero.y() % 3 == 0)
            hero += QPoint(hero.x() % 3 == 0, hero.y() % 3 == 0);
        if (m.box->canvas().pixelColor(hero) != HeroColor)
            return QStringLiteral("the hero is not drawn where he stands");

        // The state follows from the dialogs shown.
        GameState state = before.state;
        int level = m.CurrentLevel;
        if (a.answered("TLostLevelDlg"))
            state = a.answered("TLostLevelDlg", "YesBtn") ? GameState::Playing : GameState::Lost;
        if (a.answered("TAllLevelsDlg"))
            state = GameState::Solved;
        if (a.answered("TNextLevelDlg")) {
            const bool next = a.answered("TNextLevelDlg", "YesBtn") && before.level < m.LevelCount;
            state = next ? GameState::Playing : GameState::Solved;
            level = next ? before.level + 1 : before.level;
        }
        // A level starts anew by the restart button (unless a level in play
        // was kept), a new game, or a move to another level.
        if ((event == QLatin1String("RestartBtn") && !a.answered("TGiveUpDlg", "CancelBtn")
             && !a.answered("TGiveUpDlg", "Escape") && !a.answered("TGiveUpDlg", "close box"))
            || a.answered("TRestartDlg", "OKBtn") || m.CurrentLevel != before.level)
            state = GameState::Playing;
        if (m.State != state)
            return QStringLiteral("the game is in state %1 after %2").arg(int(m.State)).arg(event);
        if (m.CurrentLevel != level)
            return QStringLiteral("level %1 after the next-level question on level %2")
                .arg(m.CurrentLevel)
                .arg(before.level);

        // The solved flags change only by a solve, a new game or a load.
        SolvedTable expected = before.flags;
        if (a.answered("TNextLevelDlg") || a.answered("TAllLevelsDlg"))
            expected[before.level] = 1;
        if (a.answered("TRestartDlg", "OKBtn"))
            clearProgress(expected, m.LevelCount);
        // A load takes the flags of the file last chosen, if a regular file
        // is there (a name without a suffix gets ".zhx"); else they stay.
        if (event == QLatin1String("LoadBtn") && !a.answers.isEmpty() && a.answers.last().choice != "cancel") {
            QString name = m_saves + QLatin1Char('/') + a.answers.last().choice;
            name += QFileInfo(name).suffix().isEmpty() ? QStringLiteral(".zhx") : QString();
            if (QFileInfo(name).isFile())
                expected = solvedTableFromBytes(fileBytes(name));
        }
        if (m.SolvedFlags != expected)
            return QStringLiteral("the solved flags are not what a solve, a new game or a load makes them");
        return {};
    }

    MainFormFixture m_f;
    QString m_saves; ///< the folder of the saved games the session loads and saves
    std::mt19937 m_random;
    RandomAnswerer *m_answers = nullptr;
    QImage m_glyphs{QStringLiteral(":/glyphstrip.png")};
    /// One solution per level, and how far along it the board is.
    std::map<int, std::vector<Move>> m_solutions;
    int m_guideLevel = 0;
    std::size_t m_guideStep = 0;
    Board m_guideBoard;
    int m_guidedRun = 0; ///< guided keys still to come
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
