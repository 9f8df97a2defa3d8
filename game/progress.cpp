#include "game/progress.h"

int progressCount(const SolvedTable &table, int levelCount)
{
    int count = 0;
    for (int level = 1; level <= levelCount; ++level)
        count += table.isSolved(level) ? 1 : 0;
    return count;
}

bool allFlagged(const SolvedTable &table, int levelCount)
{
    for (int level = 1; level <= levelCount; ++level)
        if (table[level] == 0)
            return false;
    return true;
}

void clearProgress(SolvedTable &table, int levelCount)
{
    for (int level = 1; level <= levelCount; ++level)
        table[level] = 0;
}

std::optional<int> findUnsolved(const SolvedTable &table, int levelCount, int current, SearchDirection direction)
{
    int level = current;
    for (int examined = 1; examined < levelCount; ++examined) {
        level += int(direction);
        if (level < 1)
            level = levelCount;
        else if (level > levelCount)
            level = 1;
        if (table[level] == 0)
            return level;
    }
    return std::nullopt;
}
