#pragma once
// The level selector: a horizontal scroll bar over the levels. While it has
// the keyboard focus the arrow keys step it by one level and the page keys
// by ten, whichever way the style would have it; no key reaches the board.

#include <QScrollBar>

class LevelSelector : public QScrollBar {
    Q_OBJECT
public:
    explicit LevelSelector(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
