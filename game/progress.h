#pragma once
// The player's progress: one solved flag per level, and the searches for an
// unsolved level.

#include "game/levelset.h"

#include <array>
#include <cstdint>
#include <optional>

/// 200 signed 32-bit flags for levels 1..200; greater than 0 means solved.
/// Flags of levels above the loaded level count are carried along unchanged.
struct SolvedTable {
    std::array<std::int32_t, MaxLevels> flags{};

    /// 1 <= level <= 200
    std::int32_t &operator[](int level) { return flags[level - 1]; }
    std::int32_t operator[](int level) const { return flags[level - 1]; }
    bool isSolved(int level) const { return (*this)[level] > 0; }

    friend bool operator==(const SolvedTable &, const SolvedTable &) = default;
};

/// The number of levels 1..levelCount whose flag is greater than 0.
int progressCount(const SolvedTable &table, int levelCount);

/// Whether every level 1..levelCount has a non-zero flag (a negative flag from
/// a file made elsewhere counts here, though not in the progress count).
bool allFlagged(const SolvedTable &table, int levelCount);

/// Clears the flags of levels 1..levelCount, keeping those above.
void clearProgress(SolvedTable &table, int levelCount);

enum class SearchDirection { Previous = -1, Next = 1 };

/// The nearest other level in the given direction whose flag is 0, wrapping
/// round from 1 to levelCount and back; nothing when every other level has a
/// non-zero flag. The current level itself is never the answer.
/// 1 <= current <= levelCount
std::optional<int> findUnsolved(const SolvedTable &table, int levelCount, int current, SearchDirection direction);
