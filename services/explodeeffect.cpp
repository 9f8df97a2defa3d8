#include "services/explodeeffect.h"

#include <QBackingStore>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QThread>
#include <QWindow>

namespace ExplodeEffect {

std::vector<QRect> outlines(QPoint from, const QRect &frame)
{
    const double cx = from.x(), cy = from.y();
    const double dl = (frame.x() - cx) / Steps;
    const double dt = (frame.y() - cy) / Steps;
    const double dw = double(frame.width()) / Steps;
    const double dh = double(frame.height()) / Steps;
    std::vector<QRect> result;
    for (int i = 1; i <= Steps; ++i) {
        const int left = int(cx + i * dl);
        const int top = int(cy + i * dt);
        const int right = int(left + i * dw);
        const int bottom = int(top + i * dh);
        result.emplace_back(left, top, right - left, bottom - top);
    }
    return result;
}

namespace {

/// The one-pixel outline of r.
QRegion ring(const QRect &r)
{
    return QRegion(r).subtracted(QRegion(r.adjusted(1, 1, -1, -1)));
}

/// Sleeps until the given share of the phase has passed.
void waitUntil(const QElapsedTimer &clock, std::chrono::microseconds phase, int step)
{
    const std::chrono::microseconds due = phase * step / Steps;
    const std::chrono::microseconds now{clock.nsecsElapsed() / 1000};
    if (now < due)
        QThread::usleep(static_cast<unsigned long>((due - now).count()));
}

} // namespace

void run(QPoint from, const QRect &frame, Pace pace)
{
    const std::vector<QRect> steps = outlines(from, frame);
    QRect area;
    for (const QRect &r : steps)
        area |= r;
    if (area.isEmpty())
        return;

    // The outlines in the window's own coordinates.
    std::vector<QRegion> rings;
    for (const QRect &r : steps)
        rings.push_back(ring(r.translated(-area.topLeft())));

    // The window covers every outline; its shape shows only those drawn so
    // far. All are painted at once; each is copied to the screen as the
    // shape uncovers it, since a window system keeps nothing of a window
    // outside its shape.
    QWindow window;
    window.setFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint
                    | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    window.setGeometry(area);
    QBackingStore canvas(&window);
    canvas.resize(area.size());
    const QRect all(QPoint(0, 0), area.size());
    canvas.beginPaint(all);
    {
        // A dotted line, every other pixel black on white, shows on any
        // background as a focus rectangle does. The whole area is dotted,
        // since the shape shows only the outlines of it: clipped to them,
        // the painter would first build a clip of all their scan lines.
        QPainter painter(canvas.paintDevice());
        painter.fillRect(all, Qt::white);
        painter.fillRect(all, QBrush(Qt::black, Qt::Dense4Pattern));
    }
    canvas.endPaint();

    QRegion shown;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Steps; ++i) {
        if (rings[size_t(i)].isEmpty())
            continue;
        // The shape is set before the window is mapped: an empty shape would
        // show the whole window.
        shown += rings[size_t(i)];
        window.setMask(shown);
        if (!window.isVisible())
            window.show();
        canvas.flush(rings[size_t(i)]);
        QGuiApplication::sync();
        waitUntil(clock, pace.grow, i + 1);
    }
    // The outlines go in the same order. The shape left after each is
    // worked out as it goes rather than all beforehand: forty shapes of
    // thousands of rectangles each would be megabytes. An outline takes
    // away only what no later one shares.
    clock.restart();
    QRegion rest = shown;
    for (int i = 1; i < Steps; ++i) {
        const QRegion &gone = rings[size_t(i - 1)];
        QRegion shared;
        for (size_t j = size_t(i); j < rings.size(); ++j)
            shared += gone.intersected(rings[j]);
        rest = rest.subtracted(gone).united(shared);
        if (rest.isEmpty())
            break;
        window.setMask(rest);
        QGuiApplication::sync();
        waitUntil(clock, pace.erase, i);
    }
    // Requests reach the window system in order: the outlines are gone
    // before the window that follows appears, without waiting here.
    window.hide();
}

} // namespace ExplodeEffect
