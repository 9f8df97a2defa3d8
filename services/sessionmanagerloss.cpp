#include "services/sessionmanagerloss.h"

#include <QtGlobal>

#ifdef ZHOP_HAS_ICE
#include <X11/ICE/ICElib.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

extern "C" void onBrokenConnection(IceConn connection)
{
    // Qt watches the connection's descriptor and reads from it whenever it
    // turns readable, as a broken connection always is: it would read again
    // and again. The descriptor is swapped for one that never turns
    // readable, so the watch falls quiet; it is closed with the connection
    // as the program ends.
    const int quiet = ::eventfd(0, EFD_CLOEXEC);
    if (quiet >= 0) {
        ::dup2(quiet, IceConnectionNumber(connection));
        ::close(quiet);
    }
    qWarning("Zorbix Hoplix: the session manager has gone; the game plays on");
}

} // namespace

void outliveSessionManager()
{
    IceSetIOErrorHandler(onBrokenConnection);
}

#else

void outliveSessionManager() {}

#endif
