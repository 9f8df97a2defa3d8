#include "app/keyboardsink.h"

#include <QKeyEvent>

KeyboardSink::KeyboardSink(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("DummyMemo"));
    setPlainText(QStringLiteral("Dummy\nMemo"));
    // Tab moves on to the level selector instead of reaching the game.
    setTabChangesFocus(true);
    setUndoRedoEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void KeyboardSink::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event->key(), event->modifiers());
    event->accept();
}

std::optional<Arrow> arrowOfKey(int key)
{
    switch (key) {
    case Qt::Key_Left: return Arrow::Left;
    case Qt::Key_Up: return Arrow::Up;
    case Qt::Key_Right: return Arrow::Right;
    case Qt::Key_Down: return Arrow::Down;
    default: return std::nullopt;
    }
}
