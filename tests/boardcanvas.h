#pragma once
// A board area as the main window lays it out, its canvas drawn with a board
// written as a picture.

#include "boardpicture.h"
#include "view/boardbox.h"

#include <QCoreApplication>
#include <QResizeEvent>

/// A board area laid out for a main window client area of the given size:
/// the toolbar and the bottom strip take 48 pixels of its height.
struct Canvas {
    BoardBox box;
    DrawingUnits units;
    Board board;

    Canvas(int clientWidth, int clientHeight, const BoardPicture &picture)
        : units(computeUnits(clientWidth, clientHeight))
        , board(boardFromPicture(picture))
    {
        box.resize(clientWidth, clientHeight - 48);
        box.setFullRepaint([this] { drawAll(); });
        QResizeEvent resize(box.size(), QSize());
        QCoreApplication::sendEvent(&box, &resize);
        drawAll();
    }
    void drawAll()
    {
        for (int col = 0; col < BoardSide; ++col)
            for (int row = 0; row < BoardSide; ++row)
                box.DrawCell(units, board, col, row);
        box.DrawHero(units, board.heroColumn, board.heroRow);
    }
    QColor at(int x, int y) const { return box.canvas().pixelColor(x, y); }
    QColor at(QPoint p) const { return box.canvas().pixelColor(p); }
};
