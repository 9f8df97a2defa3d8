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
