// The program entry: the main window, then its nine dialogs (each made when
// the game first shows it), then the event loop until the main window has
// closed or something outside ends the game: a signal, the desktop session's
// end, the display going away.

#include "app/Main.h"
#include "app/gameaccessibility.h"
#include "app/gamekeeper.h"
#include "app/zorbixapplication.h"
#include "dialogs/gamedialogs.h"
#include "services/endsignals.h"
#include "services/exithook.h"
#include "services/sessionmanagerloss.h"

#include <QAccessible>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

/// Qt aborts with a long message when it finds no display; say it plainly.
bool hasDisplay()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
           || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fputs("Zorbix Hoplix needs a display: start it on a desktop, or under a virtual one with "
                   "xvfb-run -s '-screen 0 1024x768x24' zorbix-hoplix\n",
                   stderr);
        return EXIT_FAILURE;
    }
    outliveSessionManager();
    ZorbixApplication app(argc, argv);
    QIcon icon(QStringLiteral(":/icon/zorbix-hoplix-32.png"));
    icon.addFile(QStringLiteral(":/icon/zorbix-hoplix.svg"));
    QApplication::setWindowIcon(icon);
    QAccessible::installFactory(gameAccessible);

    // Made before the window and gone after it, so that a signal cannot end
    // the program while the window keeps its placement on the way out.
    std::optional<EndSignals> endSignals;
    TMainForm MainForm;
    MainForm.setWindowIcon(icon);
    if (!MainForm.FormCreate())
        return EXIT_FAILURE;
    GameDialogs dialogs(&MainForm, MainForm.Tongue);
    MainForm.setDialogs(&dialogs);

    // Only a game that has started has anything to keep. The desktop saves
    // its session at checkpoints as well as at its end: the game keeps what
    // it has and plays on; the session's end itself comes as endRequested.
    endSignals.emplace();
    QObject::connect(&*endSignals, &EndSignals::received, &MainForm, &TMainForm::endSession);
    QObject::connect(&app, &ZorbixApplication::endRequested, &MainForm, &TMainForm::endSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &MainForm, &TMainForm::commitData,
                     Qt::DirectConnection);
    QObject::connect(&app, &QGuiApplication::saveStateRequest, &MainForm, &TMainForm::commitData, Qt::DirectConnection);
    // Gone before the window: only an exit() from the middle of the run
    // (the display gone) finds the game still there.
    const ExitHook keepAtExit([keeper = MainForm.keeper] { keeper->keepChanges(); });

    MainForm.show();
    // A box shown on the way (a stored placement that cannot be read) runs
    // events, and a signal among them may have ended the game already.
    if (MainForm.ended())
        return EXIT_SUCCESS;
    return app.exec();
}
