#include "dialogs/centreonscreen.h"

#include <algorithm>

QPoint centreOnScreen(const QRect &screen, const QSize &windowFrame)
{
    // A window larger than the screen keeps its title bar reachable.
    const int left = std::max(screen.left(), screen.left() + (screen.width() - windowFrame.width()) / 2);
    const int top = std::max(screen.top(), screen.top() + (screen.height() - windowFrame.height()) / 2);
    return {left, top};
}
