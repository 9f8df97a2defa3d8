#include "dialogs/centreonmainform.h"

#include "services/framewatch.h"

#include <QWidget>

QPoint CentreOnMainForm(const QRect &mainFrame, int mainClientHeight, const QSize &dialogFrame)
{
    // C++ integer division truncates toward zero, as the placement wants.
    const int left = mainFrame.left() + (mainFrame.width() - dialogFrame.width()) / 2;
    const int top = (mainFrame.top() + mainFrame.height()) - (mainClientHeight + dialogFrame.height()) / 2;
    return {left, top};
}

void placeOnMainForm(QWidget *dialog, const QWidget *mainForm)
{
    const QPoint place = CentreOnMainForm(outerFrameOf(mainForm), mainForm->height(), outerFrameOf(dialog).size());
    moveOuterFrame(dialog, place);
}
