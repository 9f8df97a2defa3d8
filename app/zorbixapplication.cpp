#include "app/zorbixapplication.h"

#include "dialogs/messagebox.h"
#include "settings/settingserror.h"

ZorbixApplication::ZorbixApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool ZorbixApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const SettingsError &error) {
        showErrorBox(activeWindow(), error.message());
    } catch (const std::exception &error) {
        showErrorBox(activeWindow(), QString::fromLocal8Bit(error.what()));
    }
    return false;
}

bool ZorbixApplication::event(QEvent *event)
{
    // Qt hands the window system's request on as a spontaneous Quit (as it
    // does quit()), on which it would close every window, and the main
    // window would ask its quit question at a logout. The game keeps what
    // it has and the event loop ends, without asking.
    if (event->type() == QEvent::Quit && event->spontaneous()) {
        emit endRequested();
        return QCoreApplication::event(event);
    }
    return QApplication::event(event);
}
