#pragma once
// The hidden memo that holds the keyboard focus, so that every key press,
// Shift alone and key repeats included, reaches the game's key handler. It
// lies just outside the visible client area and never edits its text. To a
// screen reader it speaks for the board (app/gameaccessibility.cpp).

#include "game/board.h"

#include <QPlainTextEdit>

#include <optional>

/// The jump direction of an arrow key; nothing for any other key.
std::optional<Arrow> arrowOfKey(int key);

class KeyboardSink : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit KeyboardSink(QWidget *parent = nullptr);

signals:
    void keyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
