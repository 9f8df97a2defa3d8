// Both saved-game readers on a file of any bytes, checked against a model of
// the file written here from its description: the load takes the first 800
// bytes as they stand (a fragment fills the low-order bytes of its flag),
// the start-up takes whole 4-byte flags only; every flag is little-endian.
// The table read then drives the progress count and the searches for an
// unsolved level, and is saved and read back unchanged.

#include "fuzzcheck.h"

#include "game/progress.h"
#include "game/savedgame.h"

namespace {

/// Flag i from bytes [4i, 4i + 4) of the first `taken` bytes, missing bytes 0.
SolvedTable modelTable(const std::uint8_t *data, std::size_t taken)
{
    SolvedTable table;
    for (int i = 0; i < MaxLevels; ++i) {
        std::uint32_t flag = 0;
        for (int b = 0; b < 4; ++b) {
            const std::size_t at = std::size_t(i) * 4 + b;
            if (at < taken)
                flag |= std::uint32_t(data[at]) << (8 * b);
        }
        table.flags[i] = std::int32_t(flag);
    }
    return table;
}

void checkProgress(const SolvedTable &table, int levelCount, int current)
{
    int solved = 0;
    bool all = true;
    for (int level = 1; level <= levelCount; ++level) {
        solved += table[level] > 0;
        all = all && table[level] != 0;
    }
    FUZZ_CHECK(progressCount(table, levelCount) == solved);
    FUZZ_CHECK(allFlagged(table, levelCount) == all);
    for (const SearchDirection direction : {SearchDirection::Previous, SearchDirection::Next}) {
        std::optional<int> nearest;
        for (int step = 1; step < levelCount && !nearest; ++step) {
            const int level = (current - 1 + int(direction) * step + levelCount) % levelCount + 1;
            if (table[level] == 0)
                nearest = level;
        }
        FUZZ_CHECK(findUnsolved(table, levelCount, current, direction) == nearest);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = inputFile(QStringLiteral("game.zhx"), data, size);

    const std::optional<SolvedTable> loaded = readSavedGameForLoad(path);
    FUZZ_CHECK(loaded);
    FUZZ_CHECK(*loaded == modelTable(data, std::min<std::size_t>(size, SavedGameSize)));

    const AutoLoadResult atStart = readSavedGameAtStart(path);
    FUZZ_CHECK(atStart.status == AutoLoadStatus::Loaded);
    FUZZ_CHECK(atStart.table == modelTable(data, std::min<std::size_t>(size / 4 * 4, SavedGameSize)));

    // A level count and current level of their own for each input.
    const int levelCount = 1 + int(size % MaxLevels);
    checkProgress(atStart.table, levelCount, 1 + int(size / 7) % levelCount);

    FUZZ_CHECK(writeSavedGame(path, *loaded));
    FUZZ_CHECK(readSavedGameForLoad(path) == loaded);
    return 0;
}
