#include "services/framewatch.h"

#include <QEvent>
#include <QWidget>

QSize frameSizeOf(const QWidget *window)
{
    return window->frameGeometry().size() - window->size();
}

FrameWatch::FrameWatch(QWidget *window, std::function<void()> frameChanged)
    : QObject(window), m_window(window), m_frameChanged(std::move(frameChanged))
{
    window->installEventFilter(this);
}

bool FrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    // Qt takes the frame's size anew when the window moves or changes size,
    // which the window manager's framing of it always does.
    const QEvent::Type type = event->type();
    if (watched == m_window && m_window->isVisible()
        && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)) {
        const QSize frame = frameSizeOf(m_window);
        if (frame != m_seen) {
            m_seen = frame;
            m_frameChanged();
        }
    }
    return false;
}
