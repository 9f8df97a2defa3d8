#include "view/boardgeometry.h"

DrawingUnits computeUnits(int clientWidth, int clientHeight)
{
    DrawingUnits u;
    u.UnitW = clientWidth / 25;
    u.UnitH = clientHeight / 11;
    u.FaceDX = (3 * u.UnitW) / 4;
    u.FaceDY = (3 * u.UnitH) / 4;
    u.SlabT = u.UnitH / 6;
    return u;
}

int CellBaseX(const DrawingUnits &u, int col, int row)
{
    return (2 * col - row + 8) * u.UnitW;
}

int CellBaseY(const DrawingUnits &u, int row)
{
    return (row + 2) * u.UnitH;
}

std::array<QPoint, 6> sidePolygon(const DrawingUnits &u, int col, int row)
{
    const int x = CellBaseX(u, col, row), y = CellBaseY(u, row);
    const int dx = u.FaceDX, dy = u.FaceDY, t = u.SlabT;
    return {QPoint(x, y),
            QPoint(x + 2 * dx, y),
            QPoint(x + 3 * dx, y - dy),
            QPoint(x + 3 * dx, y - dy - t),
            QPoint(x + 2 * dx, y - t),
            QPoint(x, y - t)};
}

std::array<QPoint, 4> topPolygon(const DrawingUnits &u, int col, int row)
{
    const int x = CellBaseX(u, col, row), y = CellBaseY(u, row);
    const int dx = u.FaceDX, dy = u.FaceDY, t = u.SlabT;
    return {QPoint(x, y - t), QPoint(x + 2 * dx, y - t), QPoint(x + 3 * dx, y - dy - t), QPoint(x + dx, y - dy - t)};
}

QRect heroRect(const DrawingUnits &u, int col, int row)
{
    const int left = CellBaseX(u, col, row) + (3 * u.UnitW) / 5;
    const int top = CellBaseY(u, row) - (6 * u.UnitH) / 7;
    return QRect(left, top, u.UnitW, (2 * u.UnitH) / 3);
}

QRect cellBounds(const DrawingUnits &u, int col, int row)
{
    const int x = CellBaseX(u, col, row), y = CellBaseY(u, row);
    // From the front-left bottom corner to the back-right top corner, both
    // outline pixels included.
    return QRect(QPoint(x, y - u.FaceDY - u.SlabT), QPoint(x + 3 * u.FaceDX, y));
}

std::optional<Cell> CellAtPoint(const DrawingUnits &u, int x, int y)
{
    const int row = y / u.UnitH - 1;
    const int s = x / u.UnitW - 8 + row;
    const int col = s / 2; // truncates toward zero: s = -1 still gives column 0
    if (!onBoard(col, row))
        return std::nullopt;
    return Cell{col, row};
}
