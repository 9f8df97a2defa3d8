#pragma once
// The lessons that open the shipped level set, drawn by hand: one idea per
// level, in the order the player meets them. The generator writes them as
// they are, and the shipped-level test holds the file to them.

#include "game/solver.h"

#include <vector>

inline std::vector<LevelRecord> lessons()
{
    return {
        // A straight line of three.
        levelFromPicture({"", "", "", "..H##"}),
        // A straight line of four, down the board.
        levelFromPicture({"", "", "...H", "...#", "...#", "...#"}),
        // A jump of two: back over the cell just left.
        levelFromPicture({"", "", "", "..#H#"}),
        // A jump over an empty cell.
        levelFromPicture({"", "", "", ".H.#.#"}),
        // A jump over a platform that stays for later.
        levelFromPicture({"", "", "", "..H##", "...#"}),
        // A turn.
        levelFromPicture({"", "", "..H##", "....#", "....#"}),
        // The last platform vanishes under the hero: round the ring.
        levelFromPicture({"", "", "", "...H#", "...##"}),
        // All of it together.
        levelFromPicture({"", "", "..H#.#", "..#..#", "..###"}),
    };
}
