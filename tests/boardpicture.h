#pragma once
// Boards written as pictures, read by the game's own levelFromPicture: one
// string per row, top row first, one character per column. '#' a platform,
// 'H' the hero on his platform, anything else an empty cell; rows and
// columns left out are empty.

#include "game/solver.h"

#include <initializer_list>

using BoardPicture = std::initializer_list<const char *>;

inline Board boardFromPicture(BoardPicture rows)
{
    return loadBoard(levelFromPicture(rows));
}
