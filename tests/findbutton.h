#pragma once
// A dialog's button as a test names it: by its object name ("OKBtn"), or
// else by its text ("&Ja"), for every test that answers a dialog.

#include <QAbstractButton>
#include <QWidget>

#include <algorithm>

/// The button, or nullptr when the window has none of that name.
inline QAbstractButton *findButton(const QWidget *window, const QString &name)
{
    if (!window)
        return nullptr;
    if (auto *button = window->findChild<QAbstractButton *>(name))
        return button;
    const QList<QAbstractButton *> all = window->findChildren<QAbstractButton *>();
    const auto named = std::find_if(all.begin(), all.end(), [&name](QAbstractButton *b) { return b->text() == name; });
    return named == all.end() ? nullptr : *named;
}
