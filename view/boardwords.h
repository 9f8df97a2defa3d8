#pragma once
// The board in words, for a player who cannot see it: what the keyboard
// sink says of the game in play, and what each cell of the board's table
// holds. Rows run from the back of the board to the front and columns from
// left to right, both counted from 1, so the arrow keys move Hoplix one row
// up or down, one column left or right.

#include "game/board.h"
#include "texts/catalogue.h"

#include <QString>

/// What the board area shows at the moment.
struct ShownBoard {
    Board board;
    GameState state = GameState::Playing;
    int level = 1;
    int tongue = English;
};

/// The level and what matters now: "Level 3. Hoplix on row 2, column 1.
/// 3 platforms left.", or that the last platform is left, or that the level
/// was lost or solved.
QString boardSummary(const ShownBoard &shown);
/// "platform", "Hoplix on a platform" or "empty".
QString cellName(const ShownBoard &shown, Cell cell);
