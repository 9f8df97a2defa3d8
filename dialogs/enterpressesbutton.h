#pragma once
// Makes Enter in a text box press a dialog's default button instead of
// breaking the line.

#include <QObject>
#include <QPointer>

class QAbstractButton;

class EnterPressesButton : public QObject {
    Q_OBJECT
public:
    /// Filters the keys of every widget it is installed on.
    EnterPressesButton(QAbstractButton *button, QObject *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QAbstractButton> m_button;
};
