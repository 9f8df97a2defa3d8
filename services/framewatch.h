#pragma once
// The frame a window manager puts round a top-level window. It frames the
// window only once it is on the screen, often without moving or resizing
// it, and Qt's widget keeps an older copy of the frame until the window
// moves or changes size: the window's own QWindow has it first. A
// FrameWatch calls back each time the frame of its window turns out of
// another size than the one last seen, so that what depends on the outer
// size (a place worked out from it, a smallest outer size) can be set again.

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

/// The window's outer rectangle, frame included, as the window system has
/// it now; the client rectangle while it has no frame (or none yet).
QRect outerFrameOf(const QWidget *window);
/// What the frame adds to the client area's width and height.
QSize frameSizeOf(const QWidget *window);
/// Moves the window so that its outer frame's top-left lies at topLeft, by
/// the frame as it is known now.
void moveOuterFrame(QWidget *window, QPoint topLeft);

class FrameWatch : public QObject {
    Q_OBJECT
public:
    FrameWatch(QWidget *window, std::function<void()> frameChanged);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void look();

    QWidget *m_window;
    std::function<void()> m_frameChanged;
    QObject *m_watchedHandle = nullptr;
    QSize m_seen;
};
