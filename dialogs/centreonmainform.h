#pragma once
// Where a dialog goes over the main window: centred horizontally on the
// window, and vertically on its client area measured up from the window's
// bottom edge. The result is not kept within the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

/// The dialog's outer top-left from the main window's outer rectangle (frame
/// and title bar included), its client height and the dialog's outer size.
/// Divisions truncate toward zero, so a dialog wider than the main window
/// sticks out by half the difference on the left.
QPoint CentreOnMainForm(const QRect &mainFrame, int mainClientHeight, const QSize &dialogFrame);

/// Moves the dialog's outer frame to the place CentreOnMainForm gives.
/// Before the dialog was first shown its frame is not known yet and the
/// client size stands in for it.
void placeOnMainForm(QWidget *dialog, const QWidget *mainForm);
