#include "dialogs/zorbixdialog.h"

#include "dialogs/centreonmainform.h"
#include "dialogs/modalresult.h"
#include "services/framewatch.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QShowEvent>

TZorbixDialog::TZorbixDialog(QWidget *mainForm, const QSize &clientSize, FontWeight weight)
    // A close box but no minimise, maximise or help box.
    : QDialog(mainForm, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_mainForm(mainForm)
{
    setFixedSize(clientSize);
    setFont(dialogFont(11, weight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    // The place depends on the dialog's outer size, and at a first showing
    // the window manager frames the dialog only once it is on screen: it is
    // placed again as soon as its real frame is known.
    new FrameWatch(this, [this] {
        if (isVisible())
            placeDialog();
    });
}

void TZorbixDialog::reject()
{
    done(ModalResult::Cancel);
}

void TZorbixDialog::done(int result)
{
    QWidget *focus = focusWidget();
    if (focus && isAncestorOf(focus))
        m_lastFocus = focus;
    QDialog::done(result);
}

void TZorbixDialog::answerWith(QAbstractButton *button, int result)
{
    connect(button, &QAbstractButton::clicked, this, [this, result] { done(result); });
}

void TZorbixDialog::setCancelButton(QAbstractButton *button)
{
    m_cancelButton = button;
}

void TZorbixDialog::setFirstFocus(QWidget *widget)
{
    m_firstFocus = widget;
}

void TZorbixDialog::placeDialog()
{
    placeOnMainForm(this, m_mainForm);
}

void TZorbixDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The window system showing it again (say, after minimising) is no new showing.
    if (event->spontaneous())
        return;

    placeDialog();
    FormActivate();
    restoreFocus();
}

void TZorbixDialog::restoreFocus()
{
    QWidget *target = m_lastFocus;
    if (!target || !target->isVisibleTo(this) || !target->isEnabled())
        target = m_firstFocus;
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

void TZorbixDialog::keyPressEvent(QKeyEvent *event)
{
    // Qt would map Escape to reject(); the game's dialogs press their cancel
    // button instead, or do nothing at all.
    if (event->key() == Qt::Key_Escape) {
        if (m_cancelButton)
            m_cancelButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
