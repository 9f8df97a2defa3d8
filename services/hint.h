#pragma once
// The hint shown when the mouse rests on a widget, which a screen reader
// reads as the widget's description.

class QString;
class QWidget;

/// Qt reads a widget's hint to screen readers but tells none of them when it
/// changes, and a screen reader keeps what it has read: the hint is set as
/// the description too, which Qt tells of.
void setHint(QWidget *widget, const QString &hint);
