// The program entry: the main window, then its nine dialogs (each made when
// the game first shows it), then the event loop until the main window has
// closed, the desktop session ends or a signal ends the game.

#include "app/Main.h"
#include "app/zorbixapplication.h"
#include "dialogs/gamedialogs.h"
#include "services/endsignals.h"

#include <QIcon>
#include <QSessionManager>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

/// Qt's session manager, as the main window sees it.
class QtSessionEnd : public SessionEndRequest {
public:
    explicit QtSessionEnd(QSessionManager &manager) : m_manager(manager) {}
    bool allowsInteraction() override { return m_manager.allowsInteraction(); }
    void cancel() override { m_manager.cancel(); }
    void release() override { m_manager.release(); }

private:
    QSessionManager &m_manager;
};

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

    // Made before the window and gone after it, so that a signal cannot end
    // the program while the window keeps its placement on the way out.
    std::optional<EndSignals> endSignals;
    TMainForm MainForm;
    MainForm.setWindowIcon(icon);
    if (!MainForm.FormCreate())
        return EXIT_FAILURE;
    GameDialogs dialogs(&MainForm, MainForm.Tongue);
    MainForm.setDialogs(&dialogs);
    // Only a game that has started has anything to keep.
    endSignals.emplace();
    QObject::connect(&*endSignals, &EndSignals::received, &MainForm, &TMainForm::endSession);
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &MainForm,
        [&MainForm](QSessionManager &manager) {
            QtSessionEnd request(manager);
            MainForm.commitData(request);
        },
        Qt::DirectConnection);
    MainForm.show();
    return app.exec();
}
