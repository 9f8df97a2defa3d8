#pragma once
// Boards written as pictures: one string per row, top row first, one
// character per column. '#' a platform, '.' an empty cell, 'H' the hero on
// his platform.

#include "game/board.h"
#include "game/levelset.h"

#include <QtGlobal>

#include <array>

using BoardPicture = std::array<const char *, BoardSide>;

inline LevelRecord levelFromPicture(const BoardPicture &rows)
{
    LevelRecord record;
    for (int row = 0; row < BoardSide; ++row) {
        for (int column = 0; column < BoardSide; ++column) {
            const char c = rows[row][column];
            record.cells[cellIndex(column, row)] = (c == '#' || c == 'H') ? 1 : 0;
            if (c == 'H') {
                record.startColumn = std::uint8_t(column);
                record.startRow = std::uint8_t(row);
            }
        }
    }
    return record;
}

inline Board boardFromPicture(const BoardPicture &rows)
{
    return loadBoard(levelFromPicture(rows));
}
