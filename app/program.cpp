// The program entry: the main window, then its nine dialogs (each made when
// the game first shows it), then the event loop until the main window has
// closed.

#include "app/Main.h"
#include "app/zorbixapplication.h"
#include "dialogs/gamedialogs.h"

#include <QIcon>

#include <cstdio>
#include <cstdlib>

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
    ZorbixApplication app(argc, argv);
    QIcon icon(QStringLiteral(":/icon/zorbix-hoplix-32.png"));
    icon.addFile(QStringLiteral(":/icon/zorbix-hoplix.svg"));
    QApplication::setWindowIcon(icon);

    TMainForm MainForm;
    MainForm.setWindowIcon(icon);
    if (!MainForm.FormCreate())
        return EXIT_FAILURE;
    GameDialogs dialogs(&MainForm, MainForm.Tongue);
    MainForm.setDialogs(&dialogs);
    MainForm.show();
    return app.exec();
}
