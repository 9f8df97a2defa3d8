// The general error handler: a failure raised inside an event handler is
// shown in a "Fehler" box, that handler goes no further, the game goes on.
#include "app/zorbixapplication.h"
#include "dialoganswerer.h"
#include "settings/settingserror.h"

#include <QThread>
#include <QTimer>

namespace {

/// An event handler that fails halfway, as a settings write can.
class Failing : public QObject {
public:
    bool event(QEvent *) override { throw SettingsError::cannotSet(QStringLiteral("level")); }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ZorbixApplication app(argc, argv);
    QWidget mainWindow; // without a window of its own the program would end with the box
    mainWindow.show();
    DialogAnswerer answers;
    QString shown;
    answers.readBox(&shown);
    Failing failing;
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    // The game goes on: once the box is answered, the program's own event
    // loop handles the next event. The box's loop takes timers as well;
    // there, and before the box came, the timer is only set anew.
    bool wentOn = false;
    std::function<void()> afterwards = [&] {
        if (shown.isEmpty() || QThread::currentThread()->loopLevel() != 1)
            return QTimer::singleShot(1, &app, afterwards);
        wentOn = true;
        QCoreApplication::quit();
    };
    QTimer::singleShot(0, &app, afterwards);
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(2); });
    const int code = app.exec();

    const QString expected = QStringLiteral("Fehler|Fehler beim Setzen der Daten für 'level'");
    const bool ok = code == 0 && wentOn && shown == expected && answers.takeStrays().isEmpty();
    std::printf("%s - the failure is shown (%s) and the event loop goes on%s\n", ok ? "ok" : "not ok",
                qPrintable(shown), wentOn ? "" : ": nothing was handled after the box");
    std::printf("%d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
    return ok ? 0 : 1;
}
