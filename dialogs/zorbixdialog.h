#pragma once
// What every dialog of the game shares: it stands over the main window, is
// shown modally and reused (hidden, never destroyed, when it closes), answers
// its owner by value, and remembers which control had the focus when it
// last closed so that the next showing starts there.

#include "dialogs/dialogparts.h"

#include <QDialog>
#include <QPointer>

class QAbstractButton;

class TZorbixDialog : public QDialog {
    Q_OBJECT
public:
    /// The close box and the window system's close command answer Cancel (2).
    void reject() override;
    /// Ends the showing with the given answer, keeping the focus in mind.
    void done(int result) override;

protected:
    /// A fixed-size dialog of the given client size in the dialog font.
    TZorbixDialog(QWidget *mainForm, const QSize &clientSize, FontWeight weight);

    const QWidget *mainForm() const { return m_mainForm; }

    /// Clicking the button ends the dialog with the given answer.
    void answerWith(QAbstractButton *button, int result);
    /// Escape presses this button wherever the focus is; a dialog without
    /// one ignores Escape.
    void setCancelButton(QAbstractButton *button);
    /// The control that has the focus at the first showing, and at any
    /// showing where the remembered one is hidden.
    void setFirstFocus(QWidget *widget);

    /// Sets the texts in the language of the moment; runs at every showing.
    virtual void FormActivate() {}
    /// Places the dialog at a showing: over the main window unless a dialog
    /// says otherwise.
    virtual void placeDialog();

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void restoreFocus();

    QWidget *m_mainForm;
    QPointer<QAbstractButton> m_cancelButton;
    QPointer<QWidget> m_firstFocus;
    QPointer<QWidget> m_lastFocus;
};
