#include "view/progressgaugevalue.h"

#include "view/progressgauge.h"

ProgressGaugeValue::ProgressGaugeValue(ProgressGauge *gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

void *ProgressGaugeValue::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant ProgressGaugeValue::currentValue() const
{
    return gauge()->position();
}

QVariant ProgressGaugeValue::maximumValue() const
{
    return gauge()->maximum();
}

const ProgressGauge *ProgressGaugeValue::gauge() const
{
    return static_cast<const ProgressGauge *>(widget());
}
