#include "services/hint.h"

#include <QWidget>

void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    widget->setAccessibleDescription(hint);
}
