#include "game/solver.h"

#include <QStringList>

#include <algorithm>
#include <bit>
#include <cmath>
#include <tuple>

namespace {

constexpr CellMask bitOf(int cell)
{
    return CellMask(1) << cell;
}

/// Where each move from each cell lands, and all of them as a mask, built
/// once from the rules.
struct JumpTable {
    std::array<std::array<int, AllMoves.size()>, CellCount> target{};
    std::array<CellMask, CellCount> neighbours{};
};

const JumpTable &jumpTable()
{
    static const JumpTable table = [] {
        JumpTable t;
        for (int cell = 0; cell < CellCount; ++cell) {
            for (std::size_t m = 0; m < AllMoves.size(); ++m) {
                t.target[cell][m] = jumpTarget(cell, AllMoves[m]);
                if (t.target[cell][m] >= 0)
                    t.neighbours[cell] |= bitOf(t.target[cell][m]);
            }
        }
        return t;
    }();
    return table;
}

/// Cheap proofs that the hero on hero can no longer land on every platform
/// of remaining (which holds his own). A path that starts at the hero must
/// reach every platform, so each one needs a neighbour among the remaining
/// ones; only the path's far end may have a single neighbour; and all of
/// them must hang together.
bool hopeless(CellMask remaining, int hero)
{
    const auto &neighbours = jumpTable().neighbours;
    int ends = 0;
    for (CellMask rest = remaining & ~bitOf(hero); rest; rest &= rest - 1) {
        const CellMask around = neighbours[std::countr_zero(rest)] & remaining;
        if (around == 0)
            return true;
        if ((around & (around - 1)) == 0 && ++ends > 1)
            return true;
    }
    CellMask reached = bitOf(hero);
    for (CellMask frontier = reached; frontier;) {
        CellMask next = 0;
        for (; frontier; frontier &= frontier - 1)
            next |= neighbours[std::countr_zero(frontier)];
        frontier = next & remaining & ~reached;
        reached |= frontier;
    }
    return reached != remaining;
}

/// Counts the ways on from a state, capped, remembering every state seen.
class SolutionCounter {
public:
    explicit SolutionCounter(const SolverOptions &options) : options_(options) {}

    /// Ways for a hero on hero to land on every other platform of remaining.
    std::uint64_t count(CellMask remaining, int hero)
    {
        if (remaining == bitOf(hero))
            return 1;
        if (const std::uint64_t *known = memo_.find(remaining, hero))
            return *known;
        const CellMask rest = remaining & ~bitOf(hero);
        std::uint64_t total = 0;
        for (CellMask targets = jumpTable().neighbours[hero] & rest; targets; targets &= targets - 1) {
            total += countAfterJump(rest, std::countr_zero(targets));
            if (total >= options_.countCap) {
                // Capped counts add up to a correctly capped sum, so the
                // memo stays valid for every state under the same cap.
                total = options_.countCap;
                break;
            }
        }
        memo_.store(remaining, hero, total);
        return total;
    }

    /// Ways on once the hero has jumped to target, leaving rest behind.
    std::uint64_t countAfterJump(CellMask rest, int target)
    {
        if (options_.prune && hopeless(rest, target))
            return 0;
        return count(rest, target);
    }

private:
    SolverOptions options_;
    StateMemo memo_;
};

/// The most jumps a hero can make from a state, whether or not they clear
/// the level. Exact up to a budget of visited states per question, so that a
/// hopeless corner of a large level cannot stall the analysis.
class LongestRun {
public:
    int longest(CellMask remaining, int hero)
    {
        budget_ = StatesPerQuestion;
        return search(remaining, hero);
    }

private:
    static constexpr int StatesPerQuestion = 200000;

    int search(CellMask remaining, int hero)
    {
        if (const std::uint64_t *known = memo_.find(remaining, hero))
            return int(*known);
        const CellMask rest = remaining & ~bitOf(hero);
        const int most = std::popcount(rest);
        int best = 0;
        for (CellMask targets = jumpTable().neighbours[hero] & rest; targets && best < most && budget_ > 0;
             targets &= targets - 1) {
            --budget_;
            best = std::max(best, 1 + search(rest, std::countr_zero(targets)));
        }
        memo_.store(remaining, hero, std::uint64_t(best));
        return best;
    }

    StateMemo memo_;
    int budget_ = 0;
};

Move moveBetween(Cell from, Cell to)
{
    const int dc = to.column - from.column;
    const int dr = to.row - from.row;
    const bool longJump = std::abs(dc) == 2 || std::abs(dr) == 2;
    if (dc < 0)
        return {Arrow::Left, longJump};
    if (dc > 0)
        return {Arrow::Right, longJump};
    return {dr < 0 ? Arrow::Up : Arrow::Down, longJump};
}

Cell cellAt(int index)
{
    return {index / BoardSide, index % BoardSide};
}

int startIndex(const LevelRecord &level)
{
    return cellIndex(level.startColumn, level.startRow);
}

} // namespace

int jumpTarget(int cell, Move move)
{
    // On a board full of platforms the only way to lose is to leave it.
    static const Board full = [] {
        Board b;
        b.cells.fill(1);
        return b;
    }();
    Board board = full;
    board.heroColumn = cell / BoardSide;
    board.heroRow = cell % BoardSide;
    const Answer answer = interpretKey(board, move.arrow, move.longJump);
    if (answer.kind != Answer::Jump)
        return -1;
    return cellIndex(answer.target.column, answer.target.row);
}

CellMask jumpNeighbours(int cell)
{
    return jumpTable().neighbours[cell];
}

CellMask platformMask(const LevelRecord &level)
{
    CellMask mask = 0;
    for (int i = 0; i < CellCount; ++i)
        if (level.cells[i] != 0)
            mask |= bitOf(i);
    return mask;
}

std::uint64_t countSolutions(const LevelRecord &level, const SolverOptions &options)
{
    const CellMask platforms = platformMask(level);
    const int start = startIndex(level);
    if ((platforms & bitOf(start)) == 0)
        return 0; // the hero would stand on nothing
    // The start is as if the hero had just landed there.
    return SolutionCounter(options).countAfterJump(platforms, start);
}

LevelAnalysis analyseLevel(const LevelRecord &level, const SolverOptions &options)
{
    LevelAnalysis analysis;
    CellMask remaining = platformMask(level);
    int hero = startIndex(level);
    analysis.platforms = std::popcount(remaining);
    if ((remaining & bitOf(hero)) == 0)
        return analysis;
    SolutionCounter counter(options);
    // The start is as if the hero had just landed there.
    analysis.solutions = counter.countAfterJump(remaining, hero);
    if (analysis.solutions == 0)
        return analysis;

    LongestRun runs;
    analysis.path.push_back(cellAt(hero));
    while (remaining != bitOf(hero)) {
        const CellMask rest = remaining & ~bitOf(hero);
        int legal = 0, winning = 0, next = -1;
        for (CellMask targets = jumpNeighbours(hero) & rest; targets; targets &= targets - 1) {
            const int target = std::countr_zero(targets);
            ++legal;
            if (counter.countAfterJump(rest, target) > 0) {
                ++winning;
                if (next < 0)
                    next = target;
            } else if (options.measureWrongRuns) {
                analysis.longestWrongRun = std::max(analysis.longestWrongRun, runs.longest(rest, target));
            }
        }
        analysis.trapBits += std::log2(double(legal) / winning);
        analysis.moves.push_back(moveBetween(cellAt(hero), cellAt(next)));
        analysis.path.push_back(cellAt(next));
        remaining = rest;
        hero = next;
    }
    return analysis;
}

QString movesText(const std::vector<Move> &moves)
{
    QStringList words;
    for (const Move &move : moves) {
        QString word;
        switch (move.arrow) {
        case Arrow::Left: word = QStringLiteral("L"); break;
        case Arrow::Up: word = QStringLiteral("U"); break;
        case Arrow::Right: word = QStringLiteral("R"); break;
        case Arrow::Down: word = QStringLiteral("D"); break;
        }
        if (move.longJump)
            word += QLatin1Char('2');
        words << word;
    }
    return words.join(QLatin1Char(' '));
}

LevelRecord levelFromPicture(std::initializer_list<const char *> rows)
{
    LevelRecord level;
    int row = 0;
    for (const char *line : rows) {
        for (int column = 0; line[column] != '\0' && column < BoardSide && row < BoardSide; ++column) {
            if (line[column] == '#' || line[column] == 'H')
                level.cells[cellIndex(column, row)] = 1;
            if (line[column] == 'H') {
                level.startColumn = std::uint8_t(column);
                level.startRow = std::uint8_t(row);
            }
        }
        ++row;
    }
    return level;
}

LevelRecord transformedLevel(const LevelRecord &level, int symmetry)
{
    // Bit 0 mirrors the columns, bit 1 the rows, bit 2 swaps columns and
    // rows; together they make all 8 turns and mirror images of the square.
    const auto map = [symmetry](int column, int row) {
        if (symmetry & 1)
            column = BoardSide - 1 - column;
        if (symmetry & 2)
            row = BoardSide - 1 - row;
        if (symmetry & 4)
            std::swap(column, row);
        return Cell{column, row};
    };
    LevelRecord image;
    for (int column = 0; column < BoardSide; ++column) {
        for (int row = 0; row < BoardSide; ++row) {
            const Cell to = map(column, row);
            image.cells[cellIndex(to.column, to.row)] = level.cells[cellIndex(column, row)];
        }
    }
    const Cell start = map(level.startColumn, level.startRow);
    image.startColumn = std::uint8_t(start.column);
    image.startRow = std::uint8_t(start.row);
    return image;
}

LevelRecord canonicalLevel(const LevelRecord &level)
{
    LevelRecord plain = level;
    for (std::uint8_t &cell : plain.cells)
        cell = cell != 0 ? 1 : 0; // any non-zero byte is the same platform
    const auto key = [](const LevelRecord &r) { return std::tie(r.cells, r.startColumn, r.startRow); };
    LevelRecord best = plain;
    for (int symmetry = 1; symmetry < 8; ++symmetry) {
        const LevelRecord image = transformedLevel(plain, symmetry);
        if (key(image) < key(best))
            best = image;
    }
    return best;
}
