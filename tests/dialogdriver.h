#pragma once
// Answers a modal dialog from inside its own event loop, as a player would,
// and the set-up the dialog tests share: a main window to own the dialogs
// and the language code they read.

#include "findbutton.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

/// Runs the dialog's exec() and, as soon as its loop runs, the action on the
/// active modal widget. A dialog the action leaves open fails the test: it is
/// ended after five seconds, so that a broken dialog does not hang the test.
inline int execAnswering(QDialog *dialog, const std::function<void(QWidget *modal)> &action)
{
    auto finished = std::make_shared<bool>(false);
    auto leftOpen = std::make_shared<bool>(false);
    QTimer::singleShot(0, dialog, [action] { action(QApplication::activeModalWidget()); });
    QTimer::singleShot(5000, dialog, [dialog, finished, leftOpen] {
        if (*finished || !dialog->isVisible())
            return;
        *leftOpen = true;
        dialog->done(-1);
    });
    const int result = dialog->exec();
    *finished = true;
    if (*leftOpen)
        QTest::qFail("the answer left the dialog open", __FILE__, __LINE__);
    return result;
}

inline QAbstractButton *button(QWidget *dialog, const char *name)
{
    return findButton(dialog, QLatin1String(name));
}

inline void clickButton(QWidget *dialog, const char *name)
{
    QAbstractButton *b = button(dialog, name);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

/// A key sent where the player's key goes: to the control with the focus.
inline void pressKey(QWidget *dialog, Qt::Key key)
{
    QVERIFY(dialog);
    QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, key);
}

inline void closeBox(QWidget *modal)
{
    modal->close();
}

/// Each test gets a main window of the game's size, shown, and the language
/// code as the game starts with it.
class DialogTest : public QObject {
    Q_OBJECT
public:
    explicit DialogTest(int firstTongue) : m_tongue(firstTongue), m_firstTongue(firstTongue) {}

private slots:
    void init()
    {
        m_mainForm = std::make_unique<QWidget>();
        m_mainForm->setGeometry(100, 50, 506, 362);
        m_mainForm->show();
        m_tongue = m_firstTongue;
    }
    void cleanup() { m_mainForm.reset(); }

protected:
    std::unique_ptr<QWidget> m_mainForm;
    int m_tongue;

private:
    const int m_firstTongue;
};
