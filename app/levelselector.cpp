#include "app/levelselector.h"

#include <QKeyEvent>

LevelSelector::LevelSelector(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("levelscroll"));
    setSingleStep(1);
    setPageStep(10);
    // It takes the focus when clicked or reached with Tab, and only then.
    setFocusPolicy(Qt::StrongFocus);
}

void LevelSelector::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: triggerAction(SliderSingleStepSub); break;
    case Qt::Key_Right:
    case Qt::Key_Down: triggerAction(SliderSingleStepAdd); break;
    case Qt::Key_PageUp: triggerAction(SliderPageStepSub); break;
    case Qt::Key_PageDown: triggerAction(SliderPageStepAdd); break;
    case Qt::Key_Home: triggerAction(SliderToMinimum); break;
    case Qt::Key_End: triggerAction(SliderToMaximum); break;
    default: QScrollBar::keyPressEvent(event); break;
    }
    // While the selector has the focus, keys go to it alone: one it leaves
    // unused would otherwise travel up to the main window and on to the
    // board, where Shift (for Shift+Tab, say) solves a level that has one
    // platform left.
    event->accept();
}
