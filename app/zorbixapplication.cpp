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
