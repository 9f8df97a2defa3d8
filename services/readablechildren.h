#pragma once
// What a screen reader finds inside a window or panel: the controls and
// texts the player can see and use, without the frames and pictures that
// only decorate, and without a control that is never shown. Qt would list
// every child widget.

#include <QAccessibleWidget>

/// Leaves the widget out of what screen readers read: it only decorates, or
/// it is never shown.
void hideFromScreenReaders(QWidget *widget);

class ReadableChildren : public QAccessibleWidget {
public:
    ReadableChildren(QWidget *widget, QAccessible::Role role);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QWidgetList readable() const;
};
