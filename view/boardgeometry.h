#pragma once
// The oblique projection of the board, both ways: board cell to pixels and
// pixel to board cell. Every size follows the main window's client size;
// all divisions drop the remainder, as integer division does.

#include "game/board.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <optional>

/// The five drawing units, 0 until the window has a size.
struct DrawingUnits {
    int UnitW = 0;
    int UnitH = 0;
    int FaceDX = 0;
    int FaceDY = 0;
    int SlabT = 0;

    friend bool operator==(const DrawingUnits &, const DrawingUnits &) = default;
};

/// The units for a main window client area of clientWidth x clientHeight.
DrawingUnits computeUnits(int clientWidth, int clientHeight);

/// The base point of a cell, the front-left bottom corner of its platform,
/// in board-area pixels.
int CellBaseX(const DrawingUnits &u, int col, int row);
int CellBaseY(const DrawingUnits &u, int row);

/// The front and right faces of a cell's slab, six vertices.
std::array<QPoint, 6> sidePolygon(const DrawingUnits &u, int col, int row);
/// The top face of a cell's slab, a parallelogram.
std::array<QPoint, 4> topPolygon(const DrawingUnits &u, int col, int row);
/// The hero's bounding rectangle on a cell (width and height exclusive of the
/// right and bottom edges).
QRect heroRect(const DrawingUnits &u, int col, int row);
/// Everything DrawCell may touch for a cell: the bounds of both faces.
QRect cellBounds(const DrawingUnits &u, int col, int row);

/// The cell whose click zone holds the board-area point (x, y), or none.
/// Units must be above zero (the window's minimum size sees to that).
std::optional<Cell> CellAtPoint(const DrawingUnits &u, int x, int y);
