// The main window's layout, its texts in both languages, and saving and
// loading through the real file dialogs.
#include "mainformfixture.h"
#include "pixels.h"

#include "asplayer.h"

#include "game/savedgame.h"
#include "texts/infotexts.h"
#include "view/levelbox.h"
#include "view/progressgauge.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QToolButton>

namespace {

/// Reads a file dialog's title, accept and cancel buttons, then cancels it.
DialogAnswerer::Answer readFileDialog(QString *texts)
{
    return [texts](QWidget *w) {
        QStringList seen{w->windowTitle()};
        const auto *box = w->findChild<QDialogButtonBox *>();
        for (QDialogButtonBox::ButtonRole role : {QDialogButtonBox::AcceptRole, QDialogButtonBox::RejectRole})
            for (QAbstractButton *button : box->buttons())
                if (box->buttonRole(button) == role)
                    seen << button->text().remove(QLatin1Char('&'));
        *texts = seen.join(QLatin1Char('|'));
        qobject_cast<QDialog *>(w)->reject();
    };
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void toolbarStaysWhenTheWindowGrows()
    {
        MainFormFixture f;
        f.start(2, Crossing);
        const ToolPanel *tools = f.form->tools;
        const QList<QPair<QWidget *, QRect>> places{
            {tools->NewGameBtn, QRect(4, 4, 25, 25)}, {tools->RestartBtn, QRect(28, 4, 25, 25)},
            {tools->LoadBtn, QRect(52, 4, 25, 25)},   {tools->SaveBtn, QRect(76, 4, 25, 25)},
            {tools->SoundBtn, QRect(100, 4, 25, 25)}, {tools->ExitBtn, QRect(124, 4, 25, 25)},
            {tools->sDownBtn, QRect(153, 7, 20, 20)}, {tools->levelscroll, QRect(173, 8, 92, 18)},
            {tools->sUpBtn, QRect(264, 7, 20, 20)},   {tools->levellabel, QRect(296, 12, 45, 16)},
            {tools->levelbox, QRect(334, 7, 57, 20)}, {tools->TongueBtn, QRect(397, 4, 25, 25)},
            {tools->RulesBtn, QRect(421, 4, 25, 25)}, {tools->InfoBtn, QRect(445, 4, 25, 25)},
        };
        for (const auto &[widget, place] : places)
            QCOMPARE(widget->geometry(), place);
        QCOMPARE(tools->geometry(), QRect(0, 0, 494, 33));
        QCOMPARE(f.form->zxbScroll->geometry(), QRect(0, 347, 494, 15));

        f.form->resize(700, 500);
        QTRY_COMPARE(f.form->box->geometry(), QRect(0, 33, 700, 452));
        for (const auto &[widget, place] : places)
            QCOMPARE(widget->geometry(), place);
        QCOMPARE(f.form->gsol->geometry(), QRect(0, 470, 700, 15));
        QCOMPARE(f.form->zxbScroll->geometry(), QRect(0, 485, 700, 15));
        QCOMPARE(f.form->DummyMemo->x(), 705);
        QCOMPARE(f.form->units, (DrawingUnits{28, 45, 21, 33, 7})); // 700 / 25, 500 / 11, and from those
        // The board is drawn anew at the new scale.
        QTRY_COMPARE(f.form->box->canvas().pixelColor(f.heroCentre()), HeroColor);
        // The selector's frame is black, and the file dialogs show their filter without its pattern.
        QCOMPARE(f.form->tools->grab().toImage().pixelColor(172, 15), QColor(Qt::black));
        for (QFileDialog *dialog : {f.form->savedGames.openDialog.get(), f.form->savedGames.saveDialog.get()})
            QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText(),
                     QStringLiteral("Zorbix Hoplix-Dateien"));
        // Never smaller than the design allows: 506 x 360 outside, less the
        // offscreen platform's frame of 4 x 4, never wider than designed.
        QCOMPARE(f.form->minimumSize(), QSize(494, 356));
    }

    void languageSwitchChangesEveryText()
    {
        MainFormFixture f;
        SolvedTable table;
        table[2] = 1;
        const QString saved = f.folder.filePath("rescue.zhx");
        QVERIFY(writeSavedGame(saved, table));
        f.start(4, Crossing, QStringLiteral("tongue=0\nsave=%1\n").arg(saved));
        ToolPanel *tools = f.form->tools;
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Zorbix Hoplix1.6 - Freeware - Game rescue.zhx"));
        QCOMPARE(tools->SaveBtn->toolTip(), QStringLiteral("Save often, save always."));
        QCOMPARE(tools->levellabel->text(), QStringLiteral("Level:"));
        QCOMPARE(f.form->gsol->toolTip(), QStringLiteral("1 of 4 levels solved"));
        QCOMPARE(tools->levelbox->toolTip(), QStringLiteral("Level 1: unsolved"));

        // The strip is mid-pass; the switch replaces its line where it stands.
        MarqueeStrip *strip = f.form->zxbScroll;
        QVERIFY(strip->isRunning());
        while (strip->position() < 700)
            strip->step();
        const int englishWidth = strip->textWidth();
        f.answers.press(QStringLiteral("GermanBtn"));
        tools->TongueBtn->click();
        QCOMPARE(f.form->Tongue, 1);
        QVERIFY2(strip->position() >= 700 && strip->position() < 750, qPrintable(QString::number(strip->position())));
        QVERIFY(strip->textWidth() != englishWidth);
        const QList<QPair<QWidget *, QString>> german{
            {tools->LoadBtn, QStringLiteral("Ich hol mir einen alten Spielstand.")},
            {tools->SaveBtn, QStringLiteral("Einmal zu oft gesichert ist besser als einmal zuwenig")},
            {tools->NewGameBtn, QStringLiteral("Ich fang ein neues Spiel an.")},
            {tools->RestartBtn, QStringLiteral("Ich probier's nochmal.")},
            {tools->SoundBtn, QStringLiteral("Die Geräusche mag ich nicht immer.")},
            {tools->RulesBtn, QStringLiteral("Worum geht's da eigentlich?")},
            {tools->ExitBtn, QStringLiteral("Ich hab genug!")},
            {tools->InfoBtn, QStringLiteral("Wer hat diese Spiele nur verbrochen?")},
            {tools->sUpBtn, QStringLiteral("nächsthöhere ungelöste Ebene")},
            {tools->sDownBtn, QStringLiteral("nächstniedere ungelöste Ebene")},
            {tools->levelscroll, QStringLiteral("Ebene wählen")},
            {tools->TongueBtn, QStringLiteral("Language / Sprache")},
            {f.form->gsol, QStringLiteral("1 von 4 Ebenen gelöst")},
            {tools->levelbox, QStringLiteral("Ebene 1: ungelöst")},
        };
        for (const auto &[widget, hint] : german)
            QCOMPARE(widget->toolTip(), hint);
        QCOMPARE(tools->levellabel->text(), QStringLiteral("Ebene:"));
        QVERIFY(f.form->zxbScroll->text().startsWith(
            QStringLiteral("Klicke hier um die Zorbix Games Homepage zu besuchen.")));
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Zorbix Hoplix1.6 - Freeware - Spiel rescue.zhx"));

        // A dialog shown after the switch speaks the new language.
        QString question;
        f.answers.then([&question](QWidget *w) {
            question = w->findChild<QLabel *>(QStringLiteral("Label1"))->text();
            DialogAnswerer::click(w, QStringLiteral("CancelBtn"));
        });
        tools->RestartBtn->click();
        QCOMPARE(question, QStringLiteral("Willst Du diese Ebene wirklich neu beginnen?"));

        // Closing the language dialog by its close box keeps the language.
        f.answers.closeBox();
        tools->TongueBtn->click();
        QCOMPARE(f.form->Tongue, 1);
        QCOMPARE(tools->ExitBtn->toolTip(), QStringLiteral("Ich hab genug!"));
        // The rules and info buttons show their dialogs.
        f.answers.clear();
        f.answers.press(QStringLiteral("OKBtn")).press(QStringLiteral("OKBtn"));
        tools->RulesBtn->click();
        tools->InfoBtn->click();
        QCOMPARE(f.answers.seen(), (QStringList{"THintDlg", "TFreewareDlg"}));
    }

    /** On a dark desktop the selector's frame stays black all the same. */
    void selectorFrameIsBlackOnADarkDesktop()
    {
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([&desktop] { QApplication::setPalette(desktop); });
        QApplication::setPalette(QPalette(QColor(40, 40, 40)));
        MainFormFixture f;
        f.start(2, Crossing);
        const QImage tools = f.form->grab(f.form->tools->geometry()).toImage();
        QCOMPARE(tools.pixelColor(172, 15), QColor(Qt::black));
        QCOMPARE(tools.pixelColor(2, 15), QColor(40, 40, 40)); // the panel's own ground, not the window's black
    }

    void fileDialogsSpeakTheGameLanguage()
    {
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
            CANNOT_RUN("Qt's German texts are not installed here (Debian package qt6-translations-l10n)");
        MainFormFixture f;
        f.start(2, Crossing, "tongue=1\n");
        ToolPanel *tools = f.form->tools;
        QString save, load;
        f.answers.then(readFileDialog(&save));
        tools->SaveBtn->click();
        f.answers.then(readFileDialog(&load));
        tools->LoadBtn->click();
        QCOMPARE(save, QStringLiteral("Speichern unter|Speichern|Abbrechen"));
        QCOMPARE(load, QStringLiteral("Öffnen|Öffnen|Abbrechen"));

        f.answers.press(QStringLiteral("EnglishBtn")).then(readFileDialog(&save));
        tools->TongueBtn->click();
        tools->SaveBtn->click();
        QCOMPARE(save, QStringLiteral("Save As|Save|Cancel"));
    }

    /// Made at their first showing, the file dialogs are still each one
    /// dialog for the whole run: the folder the player went to and the place
    /// the dialog was moved to are there at the next showing.
    void fileDialogsKeepFolderAndPlace()
    {
        MainFormFixture f;
        f.start(2, Crossing);
        const QString folder = f.folder.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(folder));
        PaintSpy board; // a file dialog that goes leaves the board painted anew
        f.form->box->installEventFilter(&board);
        for (QToolButton *button : {f.form->tools->LoadBtn, f.form->tools->SaveBtn}) {
            QString seenFolder;
            QPoint seenPlace;
            board.painted = QRegion();
            f.answers
                .then([&](QWidget *w) {
                    auto *dialog = qobject_cast<QFileDialog *>(w);
                    dialog->setDirectory(folder);
                    dialog->move(dialog->pos() + QPoint(37, 21));
                    seenPlace = dialog->pos();
                    dialog->reject();
                })
                .then([&](QWidget *w) {
                    auto *dialog = qobject_cast<QFileDialog *>(w);
                    seenFolder = dialog->directory().absolutePath();
                    seenPlace -= dialog->pos();
                    dialog->reject();
                });
            button->click();
            button->click();
            QTRY_VERIFY(f.answers.done());
            QTRY_VERIFY(f.form->box->visibleRegion().subtracted(board.painted).isEmpty());
            QCOMPARE(seenFolder, QDir(folder).absolutePath());
            QCOMPARE(seenPlace, QPoint(0, 0));
        }
    }

    void unknownLanguageCodeStaysAndIsEnglish()
    {
        MainFormFixture f;
        f.start(2, Crossing, "tongue=5\n"); // only the info dialog is answered: no language dialog
        QCOMPARE(f.form->Tongue, 5);
        QCOMPARE(f.form->tools->ExitBtn->toolTip(), QStringLiteral("I have enough!"));
        f.answerQuitWithoutSaving();
        QVERIFY(f.form->close());
        QVERIFY(f.settingsText().contains(QStringLiteral("tongue=5")));
    }

    void soundSwitchIsKept()
    {
        MainFormFixture f;
        f.start(2, Crossing, "tongue=0\nsound=0\n");
        QVERIFY(!f.form->soundOn());
        QVERIFY(!f.form->tools->SoundBtn->isChecked());
        f.form->tools->SoundBtn->click();
        QVERIFY(f.form->soundOn());
        f.answerQuitWithoutSaving();
        QVERIFY(f.form->close());
        QVERIFY(f.settingsText().contains(QStringLiteral("sound=1")));
    }

    void saveWritesTheTableAndNamesIt()
    {
        MainFormFixture f;
        f.start(3, Crossing);
        f.form->SolvedFlags[1] = 1;
        f.form->SolvedFlags[3] = 1;
        f.answers.choose(f.folder.filePath("week1.sav"));
        f.form->tools->SaveBtn->click();
        const QString path = f.folder.filePath("week1.zhx");
        QCOMPARE(f.form->SavedGamePath, path);
        QByteArray expected(800, '\0');
        expected[0] = 1;
        expected[8] = 1;
        QCOMPARE(fileBytes(path), expected);
        QVERIFY(!QFileInfo::exists(f.folder.filePath("week1.sav")));
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Zorbix Hoplix1.6 - Freeware - Game week1.zhx"));
        // Cancelled: nothing written, nothing changed.
        f.answers.then([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
        f.form->SolvedFlags[2] = 1;
        f.form->tools->SaveBtn->click();
        QCOMPARE(fileBytes(path), expected);
    }

    void overwriteQuestionLoopsBack()
    {
        MainFormFixture f;
        f.start(3, Crossing);
        const QString old = f.folder.filePath("old.zhx");
        QVERIFY(writeSavedGame(old, SolvedTable{}));
        f.form->SolvedFlags[2] = 1;
        QString question;
        f.answers.choose(old).readBox(&question, "&Nein").choose(f.folder.filePath("new"));
        f.form->tools->SaveBtn->click();
        QCOMPARE(f.answers.seen(), (QStringList{"QFileDialog", "QMessageBox", "QFileDialog"}));
        QCOMPARE(question, QStringLiteral("Warnung|Game old.zhx already existing. Overwrite?"));
        QCOMPARE(fileBytes(old), QByteArray(800, '\0'));
        QCOMPARE(fileBytes(f.folder.filePath("new.zhx")).at(4), '\1');
        QCOMPARE(f.form->SavedGamePath, f.folder.filePath("new.zhx"));

        // Yes overwrites.
        f.answers.clear();
        f.answers.choose(old).readBox(&question, "&Ja");
        f.form->tools->SaveBtn->click();
        QCOMPARE(fileBytes(old).at(4), '\1');
    }

    void failedSaveIsReported_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("blocker"); // what stands in the way: a file or a folder
        QTest::newRow("a plain file where the folder belongs") << "blocker/game"
                                                               << "file:blocker";
        QTest::newRow("a folder named like the save: no overwrite question") << "game.sav"
                                                                             << "folder:game.zhx";
    }

    void failedSaveIsReported()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, blocker);
        MainFormFixture f;
        f.start(3, Crossing, "tongue=1\n");
        const QString blockerPath = f.folder.filePath(blocker.section(u':', 1));
        QVERIFY(put(blockerPath, blocker.startsWith(u"folder") ? Put::Folder : Put::File));
        QString message;
        f.answers.choose(f.folder.filePath(chosen)).readBox(&message);
        f.form->tools->SaveBtn->click();
        QCOMPARE(f.answers.seen(), (QStringList{"QFileDialog", "QMessageBox"}));
        QCOMPARE(message, QStringLiteral(
                              "Fehler|Kann Spiel game.zhx nicht speichern. Datenträger voll oder nicht beschreibbar."));
        QCOMPARE(f.form->SavedGamePath, withSavedGameExtension(f.folder.filePath(chosen))); // named all the same
    }

    void loadReplacesTheProgress_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("flag1");
        QTest::addColumn<int>("flag2");
        QTest::addColumn<int>("flag200");
        QTest::newRow("0 bytes: all unsolved") << 0 << 0 << 0 << 0;
        QTest::newRow("5 bytes: flag 1 and the low byte of flag 2") << 5 << 0x04030201 << 5 << 0;
        QTest::newRow("801 bytes: the 800 first") << 801 << 0x04030201 << 0x08070605 << 0x20201f1f;
        QTest::newRow("1000 bytes: the 800 first") << 1000 << 0x04030201 << 0x08070605 << 0x20201f1f;
    }

    void loadReplacesTheProgress()
    {
        QFETCH(int, bytes);
        MainFormFixture f;
        f.start(3, Crossing);
        f.form->SolvedFlags[3] = 1;
        QByteArray content(bytes, '\0');
        for (int i = 0; i < bytes; ++i)
            content[i] = char(i < 796 ? (i % 4) + 1 + 4 * ((i / 4) % 2) : 0x1f + (i - 796) / 2);
        const QString path = f.folder.filePath("odd.zhx");
        QVERIFY(put(path, Put::File, content));
        f.answers.choose(path);
        f.form->tools->LoadBtn->click();
        QTEST(f.form->SolvedFlags[1], "flag1");
        QTEST(f.form->SolvedFlags[2], "flag2");
        QCOMPARE(f.form->SolvedFlags[3], bytes >= 12 ? 0x04030201 : 0);
        QTEST(f.form->SolvedFlags[200], "flag200");
        QCOMPARE(f.form->SavedGamePath, path);
        QCOMPARE(f.form->windowTitle(), QStringLiteral("Zorbix Hoplix1.6 - Freeware - Game odd.zhx"));
    }

    void failedLoadKeepsTheProgress_data()
    {
        QTest::addColumn<Put>("what");
        QTest::addColumn<bool>("told");
        QTest::newRow("a file the player may not read") << Put::UnreadableFile << true;
        QTest::newRow("a socket: no file, nothing read") << Put::Socket << false;
        QTest::newRow("a named pipe: never opened") << Put::Pipe << false;
        QTest::newRow("nothing there") << Put::Nothing << false;
    }

    void failedLoadKeepsTheProgress()
    {
        QFETCH(Put, what);
        QFETCH(bool, told);
        MainFormFixture f;
        AsPlayer player({f.folder.path()}, what == Put::UnreadableFile);
        REQUIRE_PLAYER(player);
        f.start(3, Crossing);
        f.form->SolvedFlags[2] = 1;
        const QString path = f.folder.filePath("game.zhx");
        QVERIFY(put(path, what, QByteArray(SavedGameSize, '\0')));
        QString message;
        f.answers.choose(path);
        if (told)
            f.answers.readBox(&message);
        f.form->tools->LoadBtn->click();
        QTRY_VERIFY(f.answers.done());
        QCOMPARE(f.answers.seen().size(), told ? 2 : 1);
        if (told)
            QCOMPARE(message, "Fehler|Error occured while loading file " + path + "!");
        QCOMPARE(f.form->SolvedFlags[2], 1);
        QVERIFY(f.form->SavedGamePath.isEmpty());
    }

    void oddSettingsFiles_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("level"); // the level the game starts at
        QTest::addColumn<int>("boxesAtStart");
        QTest::addColumn<QStringList>("told"); // every message box, at the start and at the close
        const QString cannotGet = QStringLiteral(u"Fehler beim Holen der Daten für 'tongue'");
        const QString cannotCreate = QStringLiteral(u"Erzeugung von Schlüssel common misslungen");
        const QByteArray section = MainFormFixture::sectionLine().toUtf8();
        const auto wrongType = [](const char *key) {
            return QStringLiteral(u"Ungültiger Datentyp für '%1'").arg(QLatin1String(key));
        };
        QTest::newRow("binary garbage") << int(SettingsFile) << QByteArray("\x01\x02\xff\xfe\n[\0zz\n", 10) << 1 << 0
                                        << QStringList();
        QTest::newRow("unclosed section name")
            << int(SettingsFile) << QByteArray("[common\nsound=1\nlevel=2\n") << 2 << 0 << QStringList();
        QTest::newRow("not an INI file") << int(SettingsFile) << QByteArray("{\"common\": {\"level\": 2}}\n") << 1 << 0
                                         << QStringList();
        QTest::newRow("every value of the wrong form: defaults")
            << int(SettingsFile) << (section + "tongue=German\nlevel=1,2\nsound=maybe\nsave=\n") << 1 << 0
            << QStringList();
        QTest::newRow("values that are no text: each one told, then defaults")
            << int(SettingsFile)
            << (section
                + "tongue=@ByteArray(1)\nlevel=@Size(1 "
                  "2)\nsave=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)\nsound=@Invalid()\n")
            << 1 << 4 << QStringList{wrongType("tongue"), wrongType("level"), wrongType("save"), wrongType("sound")};
        QTest::newRow("a file the player may not read")
            << int(UnreadableFile) << (section + "level=2\n") << 1 << 1
            << QStringList{cannotGet, QStringLiteral(u"Fehler beim Setzen der Daten für 'sound'")};
        QTest::newRow("a folder in place of the file")
            << int(FolderForFile) << QByteArray() << 1 << 1 << QStringList{cannotGet, cannotCreate};
        QTest::newRow("an unwritable settings folder")
            << int(LockedFolder) << (section + "level=2\n") << 2 << 0 << QStringList{cannotCreate};
        QTest::newRow("a plain file where the settings folder belongs")
            << int(FileForFolder) << QByteArray() << 1 << 0 << QStringList{cannotCreate};
    }

    /** What the player meets with each kind of settings: the game starts with
     *  what can be read (defaults for the rest), plays and closes; what cannot
     *  be read or written is told in a message box, once at the start and once
     *  at the close, and a file Qt finds malformed takes all four values then. */
    void oddSettingsFiles()
    {
        QFETCH(int, place);
        QFETCH(QByteArray, content);
        QFETCH(int, level);
        QFETCH(int, boxesAtStart);
        QFETCH(QStringList, told);
        MainFormFixture f;
        AsPlayer player({f.folder.path()}, place == UnreadableFile || place == LockedFolder);
        REQUIRE_PLAYER(player);
        f.writeLevels(3, Crossing);
        const QString folder = QFileInfo(f.iniPath()).absolutePath();
        switch (SettingsPlace(place)) {
        case FolderForFile: QVERIFY(put(f.iniPath(), Put::Folder)); break;
        case FileForFolder: QVERIFY(put(QFileInfo(folder).absolutePath(), Put::File)); break;
        default:
            QVERIFY(put(f.iniPath(), place == UnreadableFile ? Put::UnreadableFile : Put::File, content));
            if (place == LockedFolder)
                QVERIFY(put(folder, Put::LockedFolder));
        }
        QStringList shown;
        const auto readBox = [&shown](QWidget *w) {
            shown << qobject_cast<QMessageBox *>(w)->text();
            DialogAnswerer::click(w, QStringLiteral("OK"));
        };
        for (int i = 0; i < boxesAtStart; ++i)
            f.answers.then(readBox);
        QVERIFY(f.create());
        f.greet();
        QCOMPARE(f.form->CurrentLevel, level);
        f.answers.clear();
        f.key(Qt::Key_Right);
        QCOMPARE(f.form->board.heroColumn, 3);
        f.answerQuitWithoutSaving();
        for (qsizetype i = boxesAtStart; i < told.size(); ++i)
            f.answers.then(readBox);
        QVERIFY(f.form->close());
        QTRY_VERIFY(f.answers.done());
        QCOMPARE(shown, told);
        if (told.size() == boxesAtStart) {
            const QString text = f.settingsText();
            for (const QString &line : {QStringLiteral("sound=1"), QStringLiteral("level=%1").arg(level),
                                        QStringLiteral("tongue=%1").arg(f.form->Tongue), QStringLiteral("save=")})
                QVERIFY2(text.contains(line), qPrintable(text));
        }
        if (place == LockedFolder)
            QCOMPARE(f.settingsText().toUtf8(), content); // kept as it was
    }

    void stripClickFollowsTheHiddenLink()
    {
        MainFormFixture f;
        f.start(2, Crossing);
        QList<QUrl> opened;
        f.form->ZXBLabel->setOpener([&](const QUrl &url) { return opened << url, false; });
        QTest::mouseClick(f.form->zxbScroll, Qt::RightButton, {}, QPoint(400, 7));
        QVERIFY(opened.isEmpty()); // the right button opens nothing
        QTest::mouseClick(f.form->zxbScroll, Qt::LeftButton, {}, QPoint(400, 7));
        QCOMPARE(opened, QList<QUrl>{QUrl(InfoTexts::Homepage)});
        // Refused: later clicks do nothing, nothing is said, and the game goes on.
        QTest::mouseClick(f.form->zxbScroll, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(opened.size(), 1);
        QVERIFY(!f.form->ZXBLabel->isVisible());
        f.key(Qt::Key_Right);
        QCOMPARE(f.form->board.heroColumn, 3);
        QVERIFY(f.answers.seen().isEmpty());
    }

    void noTimerForTheStrip()
    {
        MainFormFixture f;
        f.writeLevels(2, Crossing);
        f.writeSettings(QStringLiteral("tongue=0\n"));
        QString shown;
        f.answers.readBox(&shown);
        QVERIFY(f.create([](TMainForm &form) { form.zxbScroll->setTimerStarter([](int) { return 0; }); }));
        QTRY_VERIFY(f.answers.done());
        QCOMPARE(shown, QStringLiteral(u"Fehler|Nicht genügend Timer verfügbar"));
        // The strip keeps its first frame while the stars twinkle all the same.
        QSignalSpy ticks(f.form->Timer, &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 3);
        QVERIFY(!f.form->zxbScroll->isRunning());
        QCOMPARE(f.form->zxbScroll->position(), 0);
        QVERIFY(f.form->Timer->isActive());
    }

    void anyWindowSizeDraws_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1 x 1") << QSize(1, 1);
        QTest::newRow("4000 x 3000") << QSize(4000, 3000);
    }

    void anyWindowSizeDraws()
    {
        QFETCH(QSize, size);
        MainFormFixture f;
        f.start(2, Crossing);
        f.form->setMinimumSize(0, 0);
        f.form->resize(size);
        QTRY_COMPARE(f.form->size(), size);
        // The full repaint, and a few ticks of the stars' timer and of the
        // strip's, which keeps the same pace.
        QSignalSpy ticks(f.form->Timer, &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 3);
        QTRY_COMPARE(f.form->zxbScroll->frame().size(), f.form->zxbScroll->size());
        if (size.height() > 100)
            QTRY_COMPARE(f.form->box->canvas().pixelColor(f.heroCentre()), HeroColor);
    }

private:
    enum SettingsPlace { SettingsFile, UnreadableFile, FolderForFile, LockedFolder, FileForFolder };
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
