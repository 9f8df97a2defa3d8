#pragma once
// The level solver: finds whether a level can be cleared, one way to clear
// it, how many ways there are (up to a cap), and how hard its traps are.
//
// A level is cleared by a path of jumps that lands on every platform exactly
// once, starting on the hero's platform: the platform left behind vanishes,
// so no platform can be visited twice, and the last one vanishes on its own.
// The jumps are the ones interpretKey allows, so the solver cannot drift away
// from the rules the player meets.

#include "game/board.h"
#include "game/levelset.h"
#include "game/statememo.h"

#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

/// One jump as the player makes it: an arrow, doubled with Shift.
struct Move {
    Arrow arrow = Arrow::Right;
    bool longJump = false;

    friend bool operator==(const Move &, const Move &) = default;
};

/// Every move the keyboard offers, short jumps first.
constexpr std::array<Move, 8> AllMoves{{
    {Arrow::Left, false},
    {Arrow::Up, false},
    {Arrow::Right, false},
    {Arrow::Down, false},
    {Arrow::Left, true},
    {Arrow::Up, true},
    {Arrow::Right, true},
    {Arrow::Down, true},
}};

/// The cell a move from cell lands on if a platform stands there, or -1 if
/// it leaves the board; taken from interpretKey on a board full of platforms.
/// 0 <= cell < 64
int jumpTarget(int cell, Move move);

/// The cells a hero on cell could jump to if they held platforms.
/// 0 <= cell < 64
CellMask jumpNeighbours(int cell);

/// The platforms of a level as a mask.
CellMask platformMask(const LevelRecord &level);

struct SolverOptions {
    std::uint64_t countCap = 1000; ///< counting stops once this many are found
    bool prune = true;             ///< cut off states that can no longer be cleared
    bool measureWrongRuns = true;  ///< find LevelAnalysis::longestWrongRun (the costly part)
};

/// Number of ways to clear a level, at most options.countCap.
std::uint64_t countSolutions(const LevelRecord &level, const SolverOptions &options = {});

/// What the solver learns about a level.
struct LevelAnalysis {
    int platforms = 0;
    std::uint64_t solutions = 0; ///< ways to clear it, at most the cap
    std::vector<Cell> path;      ///< one solution: the cells the hero stands on, start first
    std::vector<Move> moves;     ///< the same solution as key presses
    /// Sum over the solution of log2(legal jumps / winning jumps): the bits
    /// of guessing a player needs to find the way without looking ahead.
    double trapBits = 0.0;
    /// The most jumps a player can still make after a wrong jump along the
    /// solution, before none is left: how late a mistake shows.
    int longestWrongRun = 0;

    bool solvable() const { return solutions > 0; }
};

/// Solves the level, follows the first solution found and measures its traps.
LevelAnalysis analyseLevel(const LevelRecord &level, const SolverOptions &options = {});

/// The moves as text: "R", "L", "U", "D", with a 2 for long jumps, space separated.
QString movesText(const std::vector<Move> &moves);

/// A level drawn as a picture: row r is the r-th string, column c its c-th
/// character; '#' is a platform, 'H' the hero's start on a platform, any
/// other character an empty cell. Missing rows and columns are empty.
LevelRecord levelFromPicture(std::initializer_list<const char *> rows);

/// The level turned by one of the 8 symmetries of the board (0 = as is),
/// the hero's start with it.  0 <= symmetry < 8
LevelRecord transformedLevel(const LevelRecord &level, int symmetry);

/// One representative of the level's 8 images, the same for all of them:
/// two levels are alike exactly when their canonical forms are equal.
LevelRecord canonicalLevel(const LevelRecord &level);
