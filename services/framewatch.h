#pragma once
// The window manager frames a top-level window only once it is on screen,
// and Qt learns the frame's size later still: until then the frame of a
// window is not known. A FrameWatch calls back each time the frame of its
// window turns out of another size than the one last seen, so that what
// depends on the outer size (a place worked out from it, a smallest outer
// size) can be set again.

#include <QObject>
#include <QSize>

#include <functional>

class QWidget;

/// What the frame adds to the client area's width and height; zero while
/// the window is not framed (or not framed yet).
QSize frameSizeOf(const QWidget *window);

class FrameWatch : public QObject {
    Q_OBJECT
public:
    FrameWatch(QWidget *window, std::function<void()> frameChanged);

    /// Forgets the frame seen last: the next one seen counts as new.
    void reset() { m_seen = QSize(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void()> m_frameChanged;
    QSize m_seen;
};
