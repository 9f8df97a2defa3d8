#pragma once
// Answers a modal dialog from inside its own event loop, as a player would.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

/// Runs the dialog's exec() and, as soon as its loop runs, the action on the
/// active modal widget. A dialog the action leaves open is ended with -1
/// after five seconds, so a broken dialog fails the test instead of hanging it.
inline int execAnswering(QDialog *dialog, const std::function<void(QWidget *modal)> &action)
{
    auto finished = std::make_shared<bool>(false);
    QTimer::singleShot(0, dialog, [action] { action(QApplication::activeModalWidget()); });
    QTimer::singleShot(5000, dialog, [dialog, finished] {
        if (!*finished && dialog->isVisible())
            dialog->done(-1);
    });
    const int result = dialog->exec();
    *finished = true;
    return result;
}
