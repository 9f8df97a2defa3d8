// make-levels: writes the game's level set.
//
//   make-levels --seed 20261207 --out resources/zhop.dat [--rounds N]
//
// The first levels are the lessons drawn by hand. Every other level is grown
// from a single platform, one platform at a time: a platform is added next
// to the others, then platforms are moved one by one to other cells while
// the exact number of solutions does not rise, until it is one again. At its
// full size the level is polished: platforms are moved while it keeps its
// single solution and its traps do not fall. Each chapter's levels are
// finally ordered by their traps. Every choice comes from one seeded source
// in one thread, so the same seed gives the same file, byte for byte.

#include "game/solver.h"
#include "tools/levelcurve.h"
#include "tools/levellessons.h"
#include "tools/levelrandom.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <set>

namespace {

constexpr CellMask bitOf(int cell)
{
    return CellMask(1) << cell;
}

/// A level while it is made: its platforms and the hero's start on one.
struct Shape {
    CellMask platforms = 0;
    int start = 0;
};

LevelRecord levelOf(const Shape &shape)
{
    LevelRecord level;
    for (int cell = 0; cell < CellCount; ++cell)
        level.cells[cell] = (shape.platforms & bitOf(cell)) != 0 ? 1 : 0;
    level.startColumn = std::uint8_t(shape.start / BoardSide);
    level.startRow = std::uint8_t(shape.start % BoardSide);
    return level;
}

/// The same bytes for a level and all its turned and mirrored images.
QByteArray alikeKey(const LevelRecord &level)
{
    return serializeLevelSet({canonicalLevel(level)});
}

/// A random cell of a non-empty set.
int pickCell(CellMask cells, LevelRandom &random)
{
    for (auto skip = random.below(std::popcount(cells)); skip > 0; --skip)
        cells &= cells - 1;
    return std::countr_zero(cells);
}

/// The empty cells a hero could jump to from some platform: a platform
/// anywhere else could never be reached.
CellMask cellsAround(CellMask platforms)
{
    CellMask around = 0;
    for (CellMask rest = platforms; rest; rest &= rest - 1)
        around |= jumpNeighbours(std::countr_zero(rest));
    return around & ~platforms;
}

/// The shape with one random platform moved to a random cell next to the
/// others; the hero's start moves with its platform.
Shape movedPlatform(const Shape &shape, LevelRandom &random)
{
    const int from = pickCell(shape.platforms, random);
    const CellMask others = shape.platforms & ~bitOf(from);
    const CellMask open = cellsAround(others) & ~bitOf(from);
    if (open == 0)
        return shape;
    const int to = pickCell(open, random);
    return {others | bitOf(to), from == shape.start ? to : shape.start};
}

/// The exact number of solutions if it is below cap, else cap.
std::uint64_t solutionsOf(const Shape &shape, std::uint64_t cap)
{
    return countSolutions(levelOf(shape), {cap, true, false});
}

// An added platform that opens this many ways or more is dropped at once:
// moving them back down to one costs more than trying another cell.
constexpr std::uint64_t AddedSolutionsCap = 64;
// Moves tried to bring an added platform's solutions back down to one.
constexpr int MovesPerPlatform = 400;
// Added platforms dropped in a row before the level starts over.
constexpr int DroppedBeforeRestart = 200;

/// Adds a platform next to the others and moves platforms while the count
/// of solutions does not rise, until it is one; false, with the shape as it
/// was, if that does not happen.
bool growByOne(Shape &shape, LevelRandom &random)
{
    Shape grown = shape;
    grown.platforms |= bitOf(pickCell(cellsAround(shape.platforms), random));
    std::uint64_t solutions = solutionsOf(grown, AddedSolutionsCap);
    if (solutions == 0 || solutions >= AddedSolutionsCap)
        return false;
    for (int move = 0; move < MovesPerPlatform && solutions > 1; ++move) {
        const Shape moved = movedPlatform(grown, random);
        // Counting one past the present count is enough to see it rise.
        const std::uint64_t count = solutionsOf(moved, solutions + 1);
        if (count >= 1 && count <= solutions) {
            grown = moved;
            solutions = count;
        }
    }
    if (solutions != 1)
        return false;
    shape = grown;
    return true;
}

/// A level of the given size with a single solution, grown from one platform.
Shape grownLevel(int platforms, LevelRandom &random)
{
    for (;;) {
        const int start = int(random.below(CellCount));
        Shape shape{bitOf(start), start};
        for (int dropped = 0; dropped < DroppedBeforeRestart && std::popcount(shape.platforms) < platforms;)
            dropped = growByOne(shape, random) ? 0 : dropped + 1;
        if (std::popcount(shape.platforms) == platforms)
            return shape;
        // Some shapes leave no room to grow: a fresh start.
    }
}

struct Candidate {
    Shape shape;
    LevelAnalysis analysis;
};

// The longest wrong run is only reported, never optimised, so the search
// skips its costly measurement. A cap of 2 tells one solution from more.
constexpr SolverOptions GeneratorSolver{2, true, false};

/// Moves platforms of a level with a single solution while it keeps it and
/// its traps do not fall, for the given rounds and then until the level is
/// alike to none already made.
Candidate polishedLevel(const Shape &shape, int rounds, LevelRandom &random, const std::set<QByteArray> &made)
{
    const auto isNew = [&made](const Shape &s) { return !made.contains(alikeKey(levelOf(s))); };
    Candidate best{shape, analyseLevel(levelOf(shape), GeneratorSolver)};
    bool bestIsNew = isNew(shape);
    for (int round = 0; round < rounds || !bestIsNew; ++round) {
        const Shape moved = movedPlatform(best.shape, random);
        // Most moves open more ways or none; counting alone turns them down
        // before the costlier trap measure.
        if (solutionsOf(moved, 2) != 1)
            continue;
        const bool movedIsNew = isNew(moved);
        if (bestIsNew && !movedIsNew)
            continue;
        LevelAnalysis analysis = analyseLevel(levelOf(moved), GeneratorSolver);
        if (movedIsNew != bestIsNew || analysis.trapBits >= best.analysis.trapBits) {
            best = {moved, std::move(analysis)};
            bestIsNew = movedIsNew;
        }
    }
    return best;
}

int usage()
{
    std::fprintf(stderr, "usage: make-levels --seed N --out FILE [--rounds N]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    std::uint64_t seed = 0;
    QString out;
    int rounds = 2000; // the shipped set's; fewer rounds give easier levels sooner
    bool haveSeed = false;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        bool ok = true;
        if (args[i] == QLatin1String("--seed")) {
            seed = args[i + 1].toULongLong(&ok);
            haveSeed = ok;
        } else if (args[i] == QLatin1String("--out")) {
            out = args[i + 1];
        } else if (args[i] == QLatin1String("--rounds")) {
            rounds = args[i + 1].toInt(&ok);
        } else {
            ok = false;
        }
        if (!ok)
            return usage();
    }
    if (!haveSeed || out.isEmpty() || args.size() % 2 == 0)
        return usage();

    // The clock only reports progress; nothing made depends on it.
    QElapsedTimer clock;
    clock.start();
    LevelRandom random(seed);
    std::vector<LevelRecord> levels = lessons();
    std::set<QByteArray> made;
    for (const LevelRecord &lesson : levels)
        made.insert(alikeKey(lesson));

    for (int c = 0; c < ChapterCount; ++c) {
        const Chapter chapter = chapterLevels(c);
        const int size = chapter.last - chapter.first + 1;
        std::vector<Candidate> chapterLevels;
        for (int position = 0; position < size; ++position) {
            const int platforms = platformTarget(c, position, size);
            Candidate level = polishedLevel(grownLevel(platforms, random), rounds, random, made);
            std::fprintf(stderr, "  %d platforms: traps %.2f, %.1f s\n", platforms, level.analysis.trapBits,
                         clock.elapsed() / 1000.0);
            made.insert(alikeKey(levelOf(level.shape)));
            chapterLevels.push_back(std::move(level));
        }
        std::stable_sort(chapterLevels.begin(), chapterLevels.end(), [](const Candidate &a, const Candidate &b) {
            return a.analysis.trapBits < b.analysis.trapBits;
        });
        for (const Candidate &level : chapterLevels)
            levels.push_back(levelOf(level.shape));
        std::fprintf(stderr, "chapter %d (levels %d-%d) done after %.1f s\n", c + 1, chapter.first, chapter.last,
                     clock.elapsed() / 1000.0);
    }

    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(serializeLevelSet(levels)) < 0 || !file.commit()) {
        std::fprintf(stderr, "make-levels: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::fprintf(stderr, "%zu levels written to %s in %.1f s\n", levels.size(), qPrintable(out),
                 clock.elapsed() / 1000.0);
    return 0;
}
