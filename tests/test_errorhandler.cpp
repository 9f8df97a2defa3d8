// The general error handler: a failure raised inside an event handler is
// shown in a "Fehler" box, that handler goes no further, the game goes on.
#include "app/zorbixapplication.h"
#include "dialoganswerer.h"
#include "settings/settingserror.h"

#include <QMessageBox>
#include <QTimer>
#include <QTest>

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
    DialogAnswerer answers;
    QString shown;
    answers.then([&shown](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        shown = box->windowTitle() + QLatin1Char('|') + box->text();
        DialogAnswerer::findButton(box, QStringLiteral("OK"))->click();
    });
    Failing failing;
    bool wentOn = false;
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QTimer::singleShot(0, &app, [&] {
        wentOn = true;
        QTimer::singleShot(200, &app, &QCoreApplication::quit);
    });
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(2); });
    const int code = app.exec();

    const QString expected = QStringLiteral("Fehler|Fehler beim Setzen der Daten für 'level'");
    const bool ok = code == 0 && wentOn && shown == expected;
    std::printf("%s - the failure is shown (%s) and the event loop goes on\n", ok ? "ok" : "not ok",
                qPrintable(shown));
    std::printf("%d passed, %d failed\n", ok ? 1 : 0, ok ? 0 : 1);
    return ok ? 0 : 1;
}
