#pragma once
// The application with the game's general error handler: a failure raised
// inside an event handler (a settings read or write, say) is shown in a
// "Fehler" box, that handler goes no further, and the game goes on. It also
// hears the window system ask the whole program to end.

#include <QApplication>

class ZorbixApplication : public QApplication {
    Q_OBJECT
public:
    ZorbixApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

signals:
    /// The window system asks the program to end (the session manager's
    /// last word as the desktop session ends); the event loop ends after.
    void endRequested();

protected:
    bool event(QEvent *event) override;
};
