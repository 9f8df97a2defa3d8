#include "services/endsignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace {

constexpr int Watched[] = {SIGTERM, SIGHUP, SIGINT};
/// The pipe's two ends: the handler writes, the notifier reads.
int pipeEnds[2] = {-1, -1};
/// How each watched signal was handled before the watch, to give it back.
struct sigaction before[std::size(Watched)];

extern "C" void onEndSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char number = char(signalNumber);
    // A full pipe already holds a signal that will be seen.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &number, 1);
    errno = savedErrno;
}

} // namespace

EndSignals::EndSignals(QObject *parent) : QObject(parent)
{
    Q_ASSERT(pipeEnds[0] < 0);
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("Zorbix Hoplix: no pipe for the end signals; they end the game without keeping its settings");
        return;
    }
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(Watched); ++i) {
        // Ignored by whoever started the game, such as nohup: the player
        // wants the game to outlive the terminal.
        ::sigaction(Watched[i], nullptr, &before[i]);
        if (before[i].sa_handler != SIG_IGN)
            ::sigaction(Watched[i], &action, nullptr);
    }
}

EndSignals::~EndSignals()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < std::size(Watched); ++i)
        ::sigaction(Watched[i], &before[i], nullptr);
    // The write end first: a handler still running on another thread then
    // fails to write, instead of writing into a pipe without a reader, which
    // raises SIGPIPE and would end the program.
    ::close(pipeEnds[1]);
    ::close(pipeEnds[0]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void EndSignals::readPipe()
{
    char numbers[16];
    const ssize_t count = ::read(pipeEnds[0], numbers, sizeof numbers);
    for (ssize_t i = 0; i < count; ++i)
        emit received(numbers[i]);
}

#else

EndSignals::EndSignals(QObject *parent) : QObject(parent) {}
EndSignals::~EndSignals() = default;
void EndSignals::readPipe() {}

#endif
