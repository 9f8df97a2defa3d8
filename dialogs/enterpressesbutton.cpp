#include "dialogs/enterpressesbutton.h"

#include <QAbstractButton>
#include <QKeyEvent>

EnterPressesButton::EnterPressesButton(QAbstractButton *button, QObject *parent) : QObject(parent), m_button(button) {}

bool EnterPressesButton::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_button) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
