#pragma once
// Answers the modal dialogs and message boxes a flow opens, one after the
// other, as a player would, and remembers which ones came. A window that
// comes with no answer left for it is turned away and kept as a stray,
// for the test to fail on.

#include "findbutton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <utility>

class DialogAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget *)>;

    DialogAnswerer()
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, &DialogAnswerer::tick);
        m_timer.start();
    }

    /// The next modal window that opens gets this answer.
    DialogAnswerer &then(Answer answer)
    {
        m_answers.push_back(std::move(answer));
        return *this;
    }
    /// Presses the button with this object name (or, failing that, this text).
    DialogAnswerer &press(const QString &button)
    {
        return then([button](QWidget *w) { click(w, button); });
    }
    /// Closes the dialog by its close box.
    DialogAnswerer &closeBox()
    {
        return then([](QWidget *w) { w->close(); });
    }
    /// Answers a file dialog with this path.
    DialogAnswerer &choose(const QString &path)
    {
        return then([path](QWidget *w) { chooseFile(w, path); });
    }
    /// Reads a message box as "title|text" into shown, then presses the button.
    DialogAnswerer &readBox(QString *shown, const QString &button = QStringLiteral("OK"))
    {
        return then([shown, button](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box) { // shown says so, and the window goes
                *shown = QStringLiteral("no message box: ") + QString::fromLatin1(w->metaObject()->className());
                w->close();
                return;
            }
            *shown = box->windowTitle() + QLatin1Char('|') + box->text();
            click(box, button);
        });
    }

    /// The class names of the modal windows answered so far, in order; a
    /// window turned away is marked with a '!' before its name.
    const QStringList &seen() const { return m_seen; }
    bool done() const { return m_answers.empty(); }
    /// The class names of the windows turned away since the last call.
    QStringList takeStrays() { return std::exchange(m_strays, {}); }
    /// Answers nothing more: another answerer takes over.
    void stop() { m_timer.stop(); }
    /// Forgets what came and what was to come; not the strays.
    void clear()
    {
        m_seen.clear();
        m_answers.clear();
    }

    /// As a player does it: the folder, then the name, then accepted. The
    /// name replaces whatever the dialog had selected, also a selection it
    /// applied once it had read its folder in the background.
    static void chooseFile(QWidget *w, const QString &path)
    {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        dialog->setDirectory(QFileInfo(path).absolutePath());
        dialog->selectFile(QFileInfo(path).fileName()); // drops the selection the list holds
        // selectFile() leaves the name field alone while it has the focus.
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    }
    /// Clicks the button; a window without it ends the test run, which
    /// would otherwise wait for an answer that never comes.
    static void click(QWidget *w, const QString &name)
    {
        QAbstractButton *button = findButton(w, name);
        if (!button)
            qFatal("no button %s in %s", qPrintable(name), w->metaObject()->className());
        button->click();
    }

private:
    void tick()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) {
            m_last = nullptr;
            return;
        }
        if (w == m_last)
            return;
        m_last = w;
        m_seen << QString::fromLatin1(w->metaObject()->className());
        if (m_answers.empty()) {
            // Nobody expected it: turn it away, and let seen() and the strays tell.
            m_strays << m_seen.last();
            m_seen.last().prepend(QLatin1Char('!'));
            if (auto *dialog = qobject_cast<QDialog *>(w))
                dialog->reject();
            else
                w->close();
            if (!w->isVisible())
                m_last = nullptr;
            return;
        }
        Answer answer = std::move(m_answers.front());
        m_answers.pop_front();
        answer(w);
        // A dialog closed at once may be shown again before the next tick.
        if (!w->isVisible())
            m_last = nullptr;
    }

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QStringList m_seen;
    QStringList m_strays;
    QPointer<QWidget> m_last;
};
