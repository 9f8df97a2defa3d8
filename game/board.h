#pragma once
// The board of the level in play and the rules that say what a key press or
// a click means. Nothing here draws, plays or asks: the main window carries
// out the answer.

#include "game/levelset.h"

#include <array>
#include <cstdint>
#include <optional>

/// Playing (0), solved (1) or lost (2); input is ignored unless playing.
enum class GameState : std::uint8_t { Playing = 0, Solved = 1, Lost = 2 };

struct Cell {
    int column = 0; ///< 0..7, left to right
    int row = 0;    ///< 0..7, back to front

    friend bool operator==(const Cell &, const Cell &) = default;
};

constexpr bool onBoard(int column, int row)
{
    return column >= 0 && column < BoardSide && row >= 0 && row < BoardSide;
}
constexpr int cellIndex(int column, int row)
{
    return column * BoardSide + row;
}

/// The live cells of the level being played and the hero's cell.
struct Board {
    std::array<std::uint8_t, CellCount> cells{};
    int heroColumn = 0;
    int heroRow = 0;

    /// 0 <= column, row < 8
    bool hasPlatform(int column, int row) const { return cells[cellIndex(column, row)] != 0; }
    void clear(int column, int row) { cells[cellIndex(column, row)] = 0; }
    int platformCount() const;
};

/// The level's 64 cells and the hero's start; the record's start must lie
/// on the board (the level set reader makes sure of that).
Board loadBoard(const LevelRecord &record);

/// The arrow keys, as steps of one cell.
enum class Arrow { Left, Up, Right, Down };

/// What an input means for the board.
struct Answer {
    enum Kind {
        Nothing, ///< ignored
        Jump,    ///< the hero jumps to target
        Lose,    ///< the level is lost
        Solve,   ///< the last platform vanishes: the level is solved
    };
    Kind kind = Nothing;
    Cell target;           ///< for Jump
    bool longJump = false; ///< for Jump: two cells rather than one

    static Answer nothing() { return {}; }
    static Answer lose() { return {Lose, {}, false}; }
    static Answer solve() { return {Solve, {}, false}; }
    static Answer jump(Cell target, bool longJump) { return {Jump, target, longJump}; }

    friend bool operator==(const Answer &, const Answer &) = default;
};

/// Any key press while playing: with one platform left every key solves;
/// otherwise an arrow (doubled with Shift) jumps or loses, and any other
/// key (arrow empty) does nothing.
Answer interpretKey(const Board &board, std::optional<Arrow> arrow, bool shift);

/// A mouse press while playing, on cell (or on no cell): with one platform
/// left every press solves; an empty cell loses; a platform one or two cells
/// away in a straight line is jumped to; anything else does nothing.
Answer interpretClick(const Board &board, std::optional<Cell> cell);

/// Carries out a jump: the platform under the hero vanishes and he stands on
/// target. Returns the cell left behind.
Cell applyJump(Board &board, Cell target);
