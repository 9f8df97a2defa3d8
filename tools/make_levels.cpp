// make-levels: writes the game's level set.
//
//   make-levels --seed 20261207 --out resources/zhop.dat
//
// The first levels are the lessons drawn by hand. Every other level is
// grown as a random walk of legal jumps that puts a platform on each cell it
// visits and never comes back to one, so the walk itself is a solution and
// its first cell is the hero's start. The walk is then improved: a random
// tail of it is grown anew, and the change is kept while the level has no
// more solutions than before and at least as many traps. Each chapter's
// levels are finally ordered by their traps. The same seed gives the same
// file, byte for byte.

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

/// The cells of a walk of jumps, start first, each visited once.
using Walk = std::vector<int>;

LevelRecord levelOf(const Walk &walk)
{
    LevelRecord level;
    for (int cell : walk)
        level.cells[cell] = 1;
    level.startColumn = std::uint8_t(walk.front() / BoardSide);
    level.startRow = std::uint8_t(walk.front() % BoardSide);
    return level;
}

/// The same bytes for a level and all its turned and mirrored images.
QByteArray alikeKey(const LevelRecord &level) { return serializeLevelSet({canonicalLevel(level)}); }

/// Extends the walk by random jumps to unvisited cells until it holds
/// length cells; false if it runs into a corner first.
bool extendWalk(Walk &walk, int length, LevelRandom &random)
{
    CellMask visited = 0;
    for (int cell : walk)
        visited |= CellMask(1) << cell;
    while (int(walk.size()) < length) {
        const CellMask open = jumpNeighbours(walk.back()) & ~visited;
        if (open == 0)
            return false;
        CellMask choice = open;
        for (auto skip = random.below(std::popcount(open)); skip > 0; --skip)
            choice &= choice - 1;
        const int next = std::countr_zero(choice);
        walk.push_back(next);
        visited |= CellMask(1) << next;
    }
    return true;
}

/// A fresh walk of length cells from a random start.
Walk freshWalk(int length, LevelRandom &random)
{
    for (;;) {
        Walk walk{int(random.below(CellCount))};
        if (extendWalk(walk, length, random))
            return walk;
    }
}

struct Candidate {
    Walk walk;
    LevelAnalysis analysis;

    /// Fewer solutions first, then more traps.
    bool betterOrEqual(const Candidate &other) const
    {
        if (analysis.solutions != other.analysis.solutions)
            return analysis.solutions < other.analysis.solutions;
        return analysis.trapBits >= other.analysis.trapBits;
    }
};

// The longest wrong run is only reported, never optimised, so the search
// skips its costly measurement.
constexpr SolverOptions GeneratorSolver{64, true, false};

/// Counts first and measures the traps only of levels that meet the rule on
/// solutions and can beat the rival, since the trap measure follows the
/// whole solution. Until the rule is met, any level no worse in solutions
/// is taken, which lets the walk drift.
Candidate judge(Walk walk, const Candidate *rival, int allowed)
{
    Candidate candidate{std::move(walk), {}};
    const LevelRecord level = levelOf(candidate.walk);
    candidate.analysis.solutions = countSolutions(level, GeneratorSolver);
    const bool worse = rival && candidate.analysis.solutions > rival->analysis.solutions;
    if (!worse && candidate.analysis.solutions <= std::uint64_t(allowed))
        candidate.analysis = analyseLevel(level, GeneratorSolver);
    return candidate;
}

/// Grows a level of the given size and improves it by regrowing tails of
/// its walk; levels alike to one already made are never kept.
Candidate makeLevel(int platforms, int allowed, int rounds, LevelRandom &random, const std::set<QByteArray> &made)
{
    const auto isNew = [&made](const Walk &walk) { return !made.contains(alikeKey(levelOf(walk))); };
    Candidate best;
    do {
        best = judge(freshWalk(platforms, random), nullptr, allowed);
    } while (!isNew(best.walk));

    // Keep going past the rounds until the level meets the solution rule;
    // while it does not, a whole fresh walk is tried now and then, in case
    // another corner of the board does better.
    for (int round = 0; round < rounds || best.analysis.solutions > std::uint64_t(allowed); ++round) {
        Walk walk;
        if (round % 400 == 399 && best.analysis.solutions > std::uint64_t(allowed)) {
            walk = freshWalk(platforms, random);
        } else {
            walk = best.walk;
            walk.resize(1 + random.below(platforms - 1));
            if (!extendWalk(walk, platforms, random))
                continue;
        }
        if (!isNew(walk))
            continue;
        Candidate candidate = judge(std::move(walk), &best, allowed);
        if (candidate.analysis.solutions > 0 && candidate.betterOrEqual(best))
            best = std::move(candidate);
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
    int rounds = 8000; // the shipped set's; fewer rounds give easier levels sooner
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
            // The chapter is reordered below, so every level of it must
            // meet the strictest rule any of its places asks for.
            const int allowed = allowedSolutions(chapter.last, platforms);
            Candidate level = makeLevel(platforms, allowed, rounds, random, made);
            std::fprintf(stderr, "  %d platforms: %llu solutions, traps %.2f, %.1f s\n", platforms,
                         static_cast<unsigned long long>(level.analysis.solutions), level.analysis.trapBits,
                         clock.elapsed() / 1000.0);
            made.insert(alikeKey(levelOf(level.walk)));
            chapterLevels.push_back(std::move(level));
        }
        std::stable_sort(chapterLevels.begin(), chapterLevels.end(), [](const Candidate &a, const Candidate &b) {
            return a.analysis.trapBits < b.analysis.trapBits;
        });
        for (const Candidate &level : chapterLevels)
            levels.push_back(levelOf(level.walk));
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
