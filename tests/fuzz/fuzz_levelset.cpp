// The level set reader on any bytes, and every level it accepts played
// through the board rules by a sequence of key presses and clicks.
//
// Input: the level set file's bytes, then the play script, then one byte
// giving the script's length. Each script byte is one input: bit 0 clear, a
// key (bits 1-2 the arrow, bit 3 another key instead, bit 4 Shift held);
// bit 0 set, a click (bits 1-7: below 100 the cell (v % 10 - 1, v / 10 - 1),
// so one cell beyond every edge too; from 100 on, a point on no cell).

#include "fuzzcheck.h"

#include "game/board.h"
#include "game/levelset.h"

#include <cstdlib>

namespace {

void checkReading(const QByteArray &bytes, const LevelSetReadResult &read)
{
    const qsizetype whole = std::min<qsizetype>(bytes.size() / LevelRecordSize, MaxLevels);
    switch (read.error) {
    case LevelSetError::None:
        FUZZ_CHECK(qsizetype(read.levels.size()) == whole);
        FUZZ_CHECK(serializeLevelSet(read.levels) == bytes.first(whole * LevelRecordSize));
        for (const LevelRecord &level : read.levels)
            FUZZ_CHECK(onBoard(level.startColumn, level.startRow));
        break;
    case LevelSetError::TooShort: FUZZ_CHECK(whole == 0 && read.levels.empty()); break;
    case LevelSetError::StartOutside: {
        FUZZ_CHECK(read.levels.empty() && read.badLevel >= 1 && read.badLevel <= whole);
        const char *bad = bytes.constData() + (read.badLevel - 1) * LevelRecordSize + CellCount;
        FUZZ_CHECK(!onBoard(std::uint8_t(bad[0]), std::uint8_t(bad[1])));
        break;
    }
    case LevelSetError::CannotOpen: FUZZ_CHECK(!"bytes in memory always open");
    }
}

/// What the rules answer to one script byte, checked against the rules as
/// the player knows them.
Answer play(const Board &board, std::uint8_t input)
{
    const int platforms = board.platformCount();
    const bool solves = platforms == 1;
    if ((input & 1) == 0) {
        const bool otherKey = input & 8;
        const bool shift = input & 16;
        const auto arrow = otherKey ? std::nullopt : std::optional(Arrow((input >> 1) & 3));
        const Answer answer = interpretKey(board, arrow, shift);
        if (solves) {
            FUZZ_CHECK(answer == Answer::solve());
        } else if (!arrow) {
            FUZZ_CHECK(answer == Answer::nothing());
        } else {
            static constexpr int steps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
            const int distance = shift ? 2 : 1;
            const Cell target{board.heroColumn + steps[int(*arrow)][0] * distance,
                              board.heroRow + steps[int(*arrow)][1] * distance};
            const bool landing = onBoard(target.column, target.row) && board.hasPlatform(target.column, target.row);
            FUZZ_CHECK(answer == (landing ? Answer::jump(target, shift) : Answer::lose()));
        }
        return answer;
    }
    const int place = input >> 1;
    const auto cell = place < 100 ? std::optional(Cell{place % 10 - 1, place / 10 - 1}) : std::nullopt;
    const Answer answer = interpretClick(board, cell);
    if (solves) {
        FUZZ_CHECK(answer == Answer::solve());
    } else if (!cell || !onBoard(cell->column, cell->row)) {
        FUZZ_CHECK(answer == Answer::nothing());
    } else if (!board.hasPlatform(cell->column, cell->row)) {
        FUZZ_CHECK(answer == Answer::lose());
    } else {
        const int dc = std::abs(cell->column - board.heroColumn), dr = std::abs(cell->row - board.heroRow);
        const int distance = dc + dr;
        const bool straight = (dc == 0 || dr == 0) && (distance == 1 || distance == 2);
        FUZZ_CHECK(answer == (straight ? Answer::jump(*cell, distance == 2) : Answer::nothing()));
    }
    return answer;
}

/// Plays the script on a level; a lost level starts afresh, as Yes to the
/// lost-level question does, and a solved one ends the play.
void playLevel(const LevelRecord &level, const std::uint8_t *script, std::size_t length)
{
    Board board = loadBoard(level);
    for (std::size_t i = 0; i < length; ++i) {
        const int platforms = board.platformCount();
        const bool onPlatform = board.hasPlatform(board.heroColumn, board.heroRow);
        const Answer answer = play(board, script[i]);
        switch (answer.kind) {
        case Answer::Nothing: break;
        case Answer::Jump: {
            const Cell left = applyJump(board, answer.target);
            FUZZ_CHECK(!board.hasPlatform(left.column, left.row));
            FUZZ_CHECK(board.platformCount() == platforms - (onPlatform ? 1 : 0));
            FUZZ_CHECK(board.hasPlatform(board.heroColumn, board.heroRow));
            break;
        }
        case Answer::Lose: board = loadBoard(level); break;
        case Answer::Solve:
            board.clear(board.heroColumn, board.heroRow);
            FUZZ_CHECK(board.platformCount() <= 1);
            return;
        }
        FUZZ_CHECK(onBoard(board.heroColumn, board.heroRow));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::size_t scriptLength = size > 0 ? std::min<std::size_t>(data[size - 1], size - 1) : 0;
    const std::size_t levelBytes = size > 0 ? size - 1 - scriptLength : 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(levelBytes));
    const LevelSetReadResult read = parseLevelSet(bytes);
    checkReading(bytes, read);
    for (const LevelRecord &level : read.levels)
        playLevel(level, data + levelBytes, scriptLength);
    return 0;
}
