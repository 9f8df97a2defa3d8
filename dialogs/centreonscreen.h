#pragma once
// The middle of the screen for a window that opens there, never left of or
// above the screen's top-left corner.

#include <QPoint>
#include <QRect>
#include <QSize>

/// The window's outer top-left for its outer size on the given screen area.
QPoint centreOnScreen(const QRect &screen, const QSize &windowFrame);
