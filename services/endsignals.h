#pragma once
// The signals that end the game from outside: SIGTERM as the desktop session
// ends, SIGHUP as the terminal it runs in closes, SIGINT for Ctrl+C. Each
// comes out of the event loop as received(), so that the game can keep what
// it keeps and leave in order; without a handler the program would die on
// the spot and write nothing.
//
// The handler itself only writes the signal's number into a pipe, the one
// thing a signal handler may safely do; a socket notifier on the pipe's other
// end hands it to the event loop. A signal the game was started with
// ignored (nohup, a shell's background job) stays ignored. Only one watch may
// exist at a time. On platforms without these signals it watches nothing.

#include <QObject>

class QSocketNotifier;

class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject *parent = nullptr);
    /// Gives the signals back the handling they had before.
    ~EndSignals() override;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
