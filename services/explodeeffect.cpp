#include "services/explodeeffect.h"

#include <QBackingStore>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cstdint>

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

using std::chrono::microseconds;

microseconds sinceStart(const QElapsedTimer &clock)
{
    return microseconds(clock.nsecsElapsed() / 1000);
}

void sleepUntil(const QElapsedTimer &clock, microseconds when)
{
    const microseconds now = sinceStart(clock);
    if (now < when)
        QThread::usleep(static_cast<unsigned long>((when - now).count()));
}

/// The time at which step i (from 0) of a phase is due: i / Steps of it.
microseconds dueAt(microseconds phase, int i)
{
    return phase * i / Steps;
}

/// How many steps of the phase are due once `elapsed` of it has passed.
int dueSteps(microseconds elapsed, microseconds phase)
{
    if (phase.count() <= 0)
        return Steps;
    return int(std::min<std::int64_t>(Steps, elapsed * Steps / phase + 1));
}

/// How long the screen shows one picture.
microseconds pictureTime(const QScreen *screen)
{
    const qreal hertz = screen ? screen->refreshRate() : 0;
    return microseconds(std::int64_t(1e6 / (hertz >= 1 ? hertz : 60)));
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
    // far. All are painted at once; the outlines a shape uncovers are copied
    // to the screen then, since a window system keeps nothing of a window
    // outside its shape. They go as one rectangle round them: the shape
    // clips it, and copying the rectangles of a region one by one would
    // send thousands.
    QWindow window;
    window.setFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput
                    | Qt::WindowDoesNotAcceptFocus);
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

    // A screen shows one picture a frame, so the outlines due within one
    // frame are shown together: one new shape a frame at most, no outline
    // before its step is due, each phase over in its own time. Reshaping a
    // window of thousands of rectangles for each of the 80 steps kept the
    // window system busy for longer than the whole effect is meant to take.
    const microseconds picture = pictureTime(window.screen());
    QRegion shown;
    QElapsedTimer clock;
    clock.start();
    for (int drawn = 0; drawn < Steps;) {
        const int due = std::max(drawn + 1, dueSteps(sinceStart(clock), pace.grow));
        QRegion fresh;
        for (; drawn < due; ++drawn)
            fresh += rings[size_t(drawn)];
        if (!fresh.isEmpty()) {
            // The shape is set before the window is mapped: an empty shape
            // would show the whole window.
            shown += fresh;
            window.setMask(shown);
            if (!window.isVisible())
                window.show();
            canvas.flush(fresh.boundingRect());
            QGuiApplication::sync();
        }
        if (drawn < Steps)
            sleepUntil(clock, std::min(std::max(dueAt(pace.grow, drawn), sinceStart(clock) + picture), pace.grow));
    }
    sleepUntil(clock, pace.grow);

    // The outlines go in the same order, the last with the window. The
    // shape left after each is worked out as it goes rather than all
    // beforehand: forty shapes of thousands of rectangles each would be
    // megabytes. An outline takes away only what no later one shares.
    clock.restart();
    const microseconds lastDue = dueAt(pace.erase, Steps - 1);
    QRegion rest = shown;
    for (int gone = 0; gone < Steps - 1;) {
        const int due = std::min(Steps - 1, std::max(gone + 1, dueSteps(sinceStart(clock), pace.erase)));
        for (; gone < due; ++gone) {
            const QRegion &outline = rings[size_t(gone)];
            QRegion shared;
            for (size_t later = size_t(gone) + 1; later < rings.size(); ++later)
                shared += outline.intersected(rings[later]);
            rest = rest.subtracted(outline).united(shared);
        }
        if (rest.isEmpty())
            break;
        window.setMask(rest);
        QGuiApplication::sync();
        sleepUntil(clock, std::min(std::max(dueAt(pace.erase, gone), sinceStart(clock) + picture), lastDue));
    }
    // Requests reach the window system in order: the outlines are gone
    // before the window that follows appears, without waiting here.
    window.hide();
}

} // namespace ExplodeEffect
