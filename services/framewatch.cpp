#include "services/framewatch.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

QRect outerFrameOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameGeometry() : window->frameGeometry();
}

QSize frameSizeOf(const QWidget *window)
{
    return outerFrameOf(window).size() - window->size();
}

void moveOuterFrame(QWidget *window, QPoint topLeft)
{
    // Placed by its client area, which the frame as the window system knows
    // it now surrounds: QWidget::move() would go by the widget's older copy.
    const QWindow *handle = window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    window->setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), window->size()));
}

FrameWatch::FrameWatch(QWidget *window, std::function<void()> frameChanged)
    : QObject(window)
    , m_window(window)
    , m_frameChanged(std::move(frameChanged))
{
    window->installEventFilter(this);
}

bool FrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // The window system's window exists from the first showing on; it
        // is told when the window is on the screen, framed or not.
        if (QWindow *handle = m_window->windowHandle(); handle && handle != m_watchedHandle) {
            handle->installEventFilter(this);
            m_watchedHandle = handle;
        }
        look();
        break;
    case QEvent::Expose:
    case QEvent::Move:
    case QEvent::Resize:
    // A window manager activates a window it has framed; on a busy machine
    // the frame's size can come with no move or resize after it.
    case QEvent::WindowActivate: look(); break;
    default: break;
    }
    Q_UNUSED(watched);
    return false;
}

void FrameWatch::look()
{
    if (!m_window->isVisible())
        return;
    const QSize frame = frameSizeOf(m_window);
    if (frame == m_seen)
        return;
    m_seen = frame;
    m_frameChanged();
}
