#include "game/board.h"

#include <algorithm>
#include <cstdlib>

int Board::platformCount() const
{
    return int(std::count_if(cells.begin(), cells.end(), [](std::uint8_t c) { return c != 0; }));
}

Board loadBoard(const LevelRecord &record)
{
    Board board;
    board.cells = record.cells;
    board.heroColumn = record.startColumn;
    board.heroRow = record.startRow;
    return board;
}

Answer interpretKey(const Board &board, std::optional<Arrow> arrow, bool shift)
{
    if (board.platformCount() == 1)
        return Answer::solve();
    if (!arrow)
        return Answer::nothing();
    int dc = 0, dr = 0;
    switch (*arrow) {
    case Arrow::Left: dc = -1; break;
    case Arrow::Up: dr = -1; break;
    case Arrow::Right: dc = 1; break;
    case Arrow::Down: dr = 1; break;
    }
    const int distance = shift ? 2 : 1;
    const Cell target{board.heroColumn + dc * distance, board.heroRow + dr * distance};
    if (!onBoard(target.column, target.row) || !board.hasPlatform(target.column, target.row))
        return Answer::lose();
    return Answer::jump(target, shift);
}

Answer interpretClick(const Board &board, std::optional<Cell> cell)
{
    if (board.platformCount() == 1)
        return Answer::solve();
    if (!cell || !onBoard(cell->column, cell->row))
        return Answer::nothing();
    if (!board.hasPlatform(cell->column, cell->row))
        return Answer::lose();
    const int dc = std::abs(cell->column - board.heroColumn);
    const int dr = std::abs(cell->row - board.heroRow);
    const bool straight = (dc == 0 && (dr == 1 || dr == 2)) || (dr == 0 && (dc == 1 || dc == 2));
    if (!straight)
        return Answer::nothing();
    return Answer::jump(*cell, dc == 2 || dr == 2);
}

Cell applyJump(Board &board, Cell target)
{
    const Cell left{board.heroColumn, board.heroRow};
    board.clear(left.column, left.row);
    board.heroColumn = target.column;
    board.heroRow = target.row;
    return left;
}
