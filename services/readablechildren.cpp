#include "services/readablechildren.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr char HiddenMark[] = "hiddenFromScreenReaders";

} // namespace

void hideFromScreenReaders(QWidget *widget)
{
    widget->setProperty(HiddenMark, true);
}

ReadableChildren::ReadableChildren(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

int ReadableChildren::childCount() const
{
    return int(readable().size());
}

QAccessibleInterface *ReadableChildren::child(int index) const
{
    const QWidgetList children = readable();
    return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index)) : nullptr;
}

int ReadableChildren::indexOfChild(const QAccessibleInterface *child) const
{
    return int(readable().indexOf(qobject_cast<QWidget *>(child->object())));
}

QWidgetList ReadableChildren::readable() const
{
    // Windows of their own (the dialogs over the main window) are no
    // children here, as Qt has it.
    QWidgetList children;
    for (QObject *object : widget()->children())
        if (auto *child = qobject_cast<QWidget *>(object);
            child && !child->isWindow() && !child->property(HiddenMark).toBool())
            children << child;
    return children;
}
