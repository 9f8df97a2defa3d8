#pragma once
// The progress bar as a screen reader reads it: a progress bar whose value
// is the number of levels solved, out of the levels loaded. Its name is set
// with the language; its hint, the count in words, is its description.

#include <QAccessibleWidget>

class ProgressGauge;

class ProgressGaugeValue : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressGaugeValue(ProgressGauge *gauge);

    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
    /// The player changes the progress only by playing.
    void setCurrentValue(const QVariant &) override {}

private:
    const ProgressGauge *gauge() const;
};
