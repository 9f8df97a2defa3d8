#pragma once
// The show effect of the main window: outlines that grow from the mouse
// pointer to the window's frame, then go again, just before the window
// appears. A program cannot draw over the whole screen (not on X11 without
// grabbing it, not at all on Wayland), so the outlines are shown on a
// short-lived frameless window shaped to them, which takes no input.

#include <QPoint>
#include <QRect>

#include <chrono>
#include <vector>

namespace ExplodeEffect {

constexpr int Steps = 40;

/// How long the outlines take to grow and to go: a few milliseconds in all,
/// as the effect has always taken on a fast machine, where its pause between
/// outlines is a short busy loop. On a 60 Hz screen the outlines show as a
/// flash, and the window is not held up.
struct Pace {
    std::chrono::microseconds grow{4000};
    std::chrono::microseconds erase{2000};
};

/// The outlines, smallest first: step i of 40 moves the corner from the
/// pointer at from a fraction i/40 of the way to the frame's corner and
/// grows the size to i/40 of the frame's, every coordinate truncated toward
/// zero. The last is the frame itself.
std::vector<QRect> outlines(QPoint from, const QRect &frame);

/// Shows the outlines one after another, then takes them away in the same
/// order; returns when they are gone. Outlines due within one frame of the
/// screen show together.
void run(QPoint from, const QRect &frame, Pace pace = {});

} // namespace ExplodeEffect
