#pragma once
// A main window started as the program starts it, in a folder of its own
// with its own level set and its own settings, its dialogs answered by a
// DialogAnswerer.

#include "app/Main.h"
#include "app/keyboardsink.h"
#include "app/levelselector.h"
#include "app/toolpanel.h"
#include "asplayer.h"
#include "boardpicture.h"
#include "dialoganswerer.h"
#include "dialogs/gamedialogs.h"
#include "services/clipoutput.h"
#include "services/linklabel.h"
#include "services/marqueestrip.h"
#include "view/boardbox.h"

#include <QKeySequence>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

/// Two platforms in a row: Right, then any key solves.
inline const BoardPicture TwoInARow = {"H#"};
/// The hero with platforms to his right and below, and empty cells around.
inline const BoardPicture Crossing = {"", "", "..H#", "..#"};

/// Takes the clips the game asks to hear instead of playing them, and may
/// refuse them as an audio output can.
struct ClipRecorder : ClipOutput {
    QList<QByteArray> *played;
    const bool *refuse;
    ClipRecorder(QList<QByteArray> *played, const bool *refuse) : played(played), refuse(refuse) {}
    bool play(const QByteArray &wave) override
    {
        played->append(wave);
        return !*refuse;
    }
};

struct MainFormFixture {
    QTemporaryDir folder;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<GameDialogs> dialogs;
    DialogAnswerer answers;
    QList<QByteArray> clipsPlayed;
    bool refuseClips = false;
    QString m_iniPath;

    MainFormFixture()
    {
        const QString config = folder.filePath(QStringLiteral("config"));
        m_iniPath = useSettingsFolder(config);
        qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
        // Qt's file dialogs keep their state in Qt's own settings, whose
        // folder Qt looks up once a run: it follows this fixture, so that
        // nothing is left behind when the folder goes.
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, config);
    }
    ~MainFormFixture()
    {
        if (QTest::currentTestFunction()) // not when a test object outlives its run
            expectNoStrays();
    }
    /// A dialog that came with no answer waiting for it fails the test, and
    /// so does an answer that no dialog came for.
    void expectNoStrays()
    {
        const QStringList strays = answers.takeStrays();
        QVERIFY2(strays.isEmpty(),
                 qPrintable(QStringLiteral("unexpected dialog: ") + strays.join(QStringLiteral(", "))));
        QVERIFY2(answers.done(), "an answer was waiting for a dialog that never came");
    }

    QString programFolder() const { return folder.filePath(QStringLiteral("game")); }
    const QString &iniPath() const { return m_iniPath; }
    QString unsavedPath() const { return folder.filePath(QStringLiteral("data/ZorbixGames/ZorbixHoplix/unsaved.zhx")); }

    void writeLevels(const std::vector<LevelRecord> &levels) const
    {
        QVERIFY(put(programFolder() + "/zhop.dat", Put::File, serializeLevelSet(levels)));
    }
    void writeLevels(int count, const BoardPicture &picture) const
    {
        writeLevels(std::vector<LevelRecord>(count, levelFromPicture(picture)));
    }
    /// The settings file's line that opens the game's section.
    static QString sectionLine() { return QLatin1Char('[') + GameSettings::Section + QStringLiteral("]\n"); }
    /// Settings as the player left them, in the INI file's own words.
    void writeSettings(const QString &commonLines) const
    {
        QVERIFY(put(iniPath(), Put::File, (sectionLine() + commonLines).toUtf8()));
    }
    QString settingsText() const { return QString::fromUtf8(fileBytes(iniPath())); }

    /// A start that a message box ends: what the box said, "title|text".
    QString failedStart()
    {
        QString shown;
        answers.readBox(&shown);
        if (create())
            QTest::qFail("the game started", __FILE__, __LINE__);
        return shown;
    }

    /// Runs the start-up, after prepare has had the new window; false when
    /// the game would not start.
    bool create(const std::function<void(TMainForm &)> &prepare = {})
    {
        form = std::make_unique<TMainForm>();
        form->waves.useOutput(std::make_unique<ClipRecorder>(&clipsPlayed, &refuseClips));
        if (prepare)
            prepare(*form);
        if (!form->FormCreate(programFolder()))
            return false;
        dialogs = std::make_unique<GameDialogs>(form.get(), form->Tongue);
        form->setDialogs(dialogs.get());
        return true;
    }
    /// The same, with these levels and these settings.
    void start(const std::vector<LevelRecord> &levels, const QString &settings = QStringLiteral("tongue=0\n"))
    {
        writeLevels(levels);
        writeSettings(settings);
        start();
    }
    void start(int count, const BoardPicture &picture, const QString &settings = QStringLiteral("tongue=0\n"))
    {
        start(std::vector<LevelRecord>(count, levelFromPicture(picture)), settings);
    }
    /// Answers the quit question Yes, cancels the save dialog, closes the info dialog.
    void answerQuitWithoutSaving()
    {
        answers.press(QStringLiteral("OKBtn"))
            .then([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); })
            .press(QStringLiteral("OKBtn"));
    }
    /// Start-up, show, and the greetings of the first paint answered.
    void start()
    {
        QVERIFY(create());
        greet();
        activate();
        QTRY_COMPARE(form->box->canvas().pixelColor(heroCentre()), HeroColor);
        expectNoStrays();
        answers.clear();
        clipsPlayed.clear();
    }

    /// Shows the created window and answers what its first paint brings
    /// after whatever the test has asked for: the language question when
    /// none was chosen, then the info dialog.
    void greet()
    {
        if (form->Tongue == -1)
            answers.press(QStringLiteral("EnglishBtn"));
        answers.press(QStringLiteral("OKBtn"));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(!form->FirstPaint && answers.done());
    }

    /// Without a window manager nothing gives the activation back to the
    /// main window when a dialog closes: the test does it.
    void activate()
    {
        QApplication::setActiveWindow(form.get());
        QTRY_COMPARE(QApplication::activeWindow(), form.get());
    }
    /// A key where the player's key goes, to the control with the focus;
    /// that control.
    QWidget *key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (QApplication::activeWindow() != form.get())
            activate();
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : form->DummyMemo;
        QTest::keyClick(target, Qt::Key(key), modifiers);
        return target;
    }
    /// Keys as QKeySequence writes them ("Right", "Shift+Right"), one after the other.
    void keys(const QStringList &sequence)
    {
        for (const QString &written : sequence) {
            const QKeyCombination combination = QKeySequence::fromString(written)[0];
            key(combination.key(), combination.keyboardModifiers());
        }
    }
    /// A click in the middle of a cell's platform.
    void click(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        const QRect hero = heroRect(form->units, col, row);
        QTest::mouseClick(form->box, button, Qt::NoModifier, hero.center());
    }
    QPoint heroCentre() const { return heroRect(form->units, form->board.heroColumn, form->board.heroRow).center(); }
    /// The effects heard so far, by the clip each one played.
    QList<int> effectList() const
    {
        QList<int> list;
        for (const QByteArray &wave : clipsPlayed) {
            int effect = 1;
            while (effect <= SoundEffects::EffectCount && form->waves.clip(effect - 1) != wave)
                ++effect;
            list << effect;
        }
        return list;
    }
};
