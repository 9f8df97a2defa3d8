// The main window's placement: its text form, the clamping onto the desktop,
// the text written as the window goes, the window brought back from it, and
// a stored number that is no integer. Runs under the game's own application,
// whose general error handler shows what the placement reports.
#include "mainformfixture.h"

#include "app/zorbixapplication.h"
#include "services/placementkeeper.h"
#include "settings/settingserror.h"
#include "settings/windowplacement.h"

#include <QMimeData>
#include <QScreen>

namespace {

/// The window's outer frame, as the window system has it.
QRect frameOf(const QWidget &window)
{
    return window.windowHandle()->frameGeometry();
}

/// The window at its design size, its frame centred on the primary screen
/// (to the pixel the halving drops).
void checkCentred(const QWidget &window)
{
    QCOMPARE(window.size(), QSize(494, 362));
    const QPoint off = frameOf(window).center() - QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1,
             qPrintable(QStringLiteral("%1, %2 off").arg(off.x()).arg(off.y())));
}

/// The "MainForm" line of the settings file, as the file holds it.
QString placementLine(const QString &settings)
{
    for (const QString &line : settings.split(u'\n'))
        if (line.startsWith(QLatin1String("MainForm")))
            return line;
    return {};
}

/// The show effect's window as it first shows: where it lies, and its shape.
struct EffectWatch : QObject {
    QRect area;
    QRegion shape;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (auto *window = qobject_cast<QWindow *>(watched);
            window && window->type() == Qt::ToolTip && event->type() == QEvent::Show && area.isNull())
            std::tie(area, shape) = std::pair(window->geometry(), window->mask());
        return false;
    }
};

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void textForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); ///< the placement read, written anew; empty: another form

        QTest::newRow("seven numbers") << "200,0,1,10,20,516,413"
                                       << "200,0,1,10,20,516,413";
        QTest::newRow("a comma at the end adds no piece") << "200,2,3,10,20,516,413,"
                                                          << "200,2,3,10,20,516,413";
        QTest::newRow("blanks, signs and hexadecimal read as integers do") << "200,0,1, -10,$14,0x204,413"
                                                                           << "200,0,1,-10,20,516,413";
        QTest::newRow("six numbers: another form") << "200,0,1,10,20,516"
                                                   << "";
        QTest::newRow("eight numbers: another form") << "200,0,1,10,20,516,413,1"
                                                     << "";
        QTest::newRow("mark 199: another form") << "199,0,1,10,20,516,413"
                                                << "";
        QTest::newRow("nothing stored") << ""
                                        << "";
        QTest::newRow("edges beyond any desktop: another form") << "200,0,1,-2147483648,0,2147483647,99"
                                                                << "";
        QTest::newRow("a word among seven: not an integer") << "200,0,1,10,top,516,413"
                                                            << "'top' is not a valid integer value";
        QTest::newRow("an empty piece among seven: not an integer") << "200,0,,10,20,516,413"
                                                                    << "'' is not a valid integer value";
    }

    void textForms()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        try {
            const std::optional<WindowPlacement> placement = WindowPlacement::parse(text);
            QCOMPARE(placement ? placement->text() : QString(), read);
        } catch (const SettingsError &error) {
            QCOMPARE(error.message(), read);
        }
    }

    void clampedOntoTheDesktop_data()
    {
        QTest::addColumn<QRect>("desktop");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("clamped");

        const QRect desktop(0, 0, 1024, 768);
        QTest::newRow("beyond the right edge: moved left onto it")
            << desktop << QRect(900, 100, 500, 400) << QRect(524, 100, 500, 400);
        QTest::newRow("below the bottom: moved up onto it")
            << desktop << QRect(100, 600, 500, 400) << QRect(100, 368, 500, 400);
        QTest::newRow("left of the desktop: moved right onto it")
            << desktop << QRect(-50, 100, 500, 400) << QRect(0, 100, 500, 400);
        QTest::newRow("above the desktop: moved down onto it")
            << desktop << QRect(100, -30, 500, 400) << QRect(100, 0, 500, 400);
        QTest::newRow("larger than the desktop: at its left and top")
            << desktop << QRect(-10, -10, 1110, 810) << QRect(0, 0, 1110, 810);
        QTest::newRow("a desktop reaching left of the primary screen ends at its own right edge")
            << QRect(-1280, 0, 2304, 768) << QRect(900, 100, 500, 400) << QRect(524, 100, 500, 400);
    }

    void clampedOntoTheDesktop()
    {
        QFETCH(QRect, desktop);
        QFETCH(QRect, frame);
        WindowPlacement placement = WindowPlacement::ofFrame(frame, WindowPlacement::ShowNormal);
        placement.clampTo(desktop);
        QTEST(placement.frame(), "clamped");
    }

    void writtenAsTheWindowGoes_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<int>("state");
        QTest::newRow("normal: its frame") << false << 1;
        QTest::newRow("maximised: the frame it is restored to") << true << 3;
    }

    void writtenAsTheWindowGoes()
    {
        QFETCH(bool, maximised);
        QFETCH(int, state);
        MainFormFixture f;
        f.start(2, Crossing, QStringLiteral("tongue=0\nMainFormColor=1\nMainFormFont=Arial\n"));
        f.form->setGeometry(40, 30, 600, 450);
        // The outer frame, right and bottom exclusive: the frame, not the
        // window's inside, whatever the state.
        const QRect frame = frameOf(*f.form);
        QVERIFY(frame != f.form->geometry());
        const QString line = QStringLiteral("MainForm=\"200,0,%1,%2,%3,%4,%5\"")
                                 .arg(state)
                                 .arg(frame.x())
                                 .arg(frame.y())
                                 .arg(frame.x() + frame.width())
                                 .arg(frame.y() + frame.height());
        if (maximised)
            f.form->showMaximized();
        QTRY_COMPARE(f.form->isMaximized(), maximised);
        f.form.reset();
        // One text value, kept whole in the file; the colour and font of the
        // same scheme are gone.
        const QString settings = f.settingsText();
        QCOMPARE(placementLine(settings), line);
        QVERIFY2(!settings.contains(QLatin1String("MainFormColor"))
                     && !settings.contains(QLatin1String("MainFormFont")),
                 qPrintable(settings));
    }

    void comesBackAsStored_data()
    {
        QTest::addColumn<QString>("stored"); ///< the line as the settings file holds it
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QRect>("normal"); ///< the normal outer frame; empty: centred at the design size

        QTest::newRow("normal") << "MainForm=\"200,0,1,40,30,640,480\"" << false << QRect(40, 30, 600, 450);
        QTest::newRow("maximised, restored to its normal frame, written by hand without quotes")
            << "MainForm=200,0,3,40,30,640,480" << true << QRect(40, 30, 600, 450);
        QTest::newRow("beyond the screen's right edge: moved back onto it")
            << "MainForm=\"200,0,1,600,30,1200,530\"" << false << QRect(200, 30, 600, 500);
        QTest::newRow("nothing stored: centred") << "" << false << QRect();
        // Every other form is told apart by textForms; one of them is enough here.
        QTest::newRow("six numbers: centred") << "MainForm=\"200,0,1,40,30,640\"" << false << QRect();
    }

    void comesBackAsStored()
    {
        QFETCH(QString, stored);
        QFETCH(bool, maximised);
        QFETCH(QRect, normal);
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().width(), 800); // the offscreen screen
        MainFormFixture f;
        EffectWatch effect; // the outlines grow from the pointer to the window's frame as it shows
        qApp->installEventFilter(&effect);
        f.start(2, Crossing, "tongue=0\n" + stored + "\n");
        QVERIFY(!effect.shape.isEmpty());
        QVERIFY(maximised || effect.area.contains(frameOf(*f.form)));
        QCOMPARE(f.form->isMaximized(), maximised);
        if (maximised)
            f.form->showNormal();
        if (normal.isEmpty())
            checkCentred(*f.form);
        else
            QTRY_COMPARE(frameOf(*f.form), normal);
    }

    void notAnIntegerIsReportedAndTheWindowCentred()
    {
        MainFormFixture f;
        f.writeLevels(2, Crossing);
        f.writeSettings(QStringLiteral("tongue=0\nMainForm=\"200,0,3,40,3O,640,480\"\n"));
        QVERIFY(f.create());
        QString shown;
        f.answers.readBox(&shown);
        f.greet();
        QCOMPARE(shown, QStringLiteral("Fehler|'3O' is not a valid integer value"));
        QCOMPARE(f.answers.seen(), (QStringList{"QMessageBox", "TFreewareDlg"}));
        // Not the stored placement: centred, normal, at the design size.
        QVERIFY(f.form->isVisible());
        QVERIFY(!f.form->isMaximized());
        checkCentred(*f.form);
        // Its own show handler has readied it: the keys reach the board.
        QCOMPARE(f.form->minimumSize(), QSize(494, 356)); // as the frame allows: see test_mainwindow
        f.key(Qt::Key_Right);
        QCOMPARE(f.form->board.heroColumn, 3);
    }

    void droppedFilesAreIgnored()
    {
        MainFormFixture f;
        f.start(2, Crossing);
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(f.folder.filePath(QStringLiteral("game/zhop.dat")))});
        const QPoint at = f.form->box->geometry().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.form.get(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction); // never a move: the file stays where it was
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.form.get(), &drop);
        QCOMPARE(f.form->board.platformCount(), 3);
        QCOMPARE(f.form->State, GameState::Playing);
        QCOMPARE(f.answers.seen(), QStringList());
    }
};

int main(int argc, char **argv)
{
    ZorbixApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_placement.moc"
