#include "tools/levelreport.h"

#include "tools/levelcurve.h"

#include <QStringList>

#include <algorithm>

namespace {

QString solutionText(std::uint64_t solutions, std::uint64_t cap)
{
    return QString::number(solutions) + (solutions >= cap ? QStringLiteral("+") : QString());
}

QString bits(double value) { return QString::number(value, 'f', 2); }

/// Smallest, median and largest trap measure of some levels.
QString trapSpread(std::vector<double> traps)
{
    std::sort(traps.begin(), traps.end());
    const std::size_t n = traps.size();
    const double median = n % 2 ? traps[n / 2] : (traps[n / 2 - 1] + traps[n / 2]) / 2;
    return bits(traps.front()) + QStringLiteral(" / ") + bits(median) + QStringLiteral(" / ") + bits(traps.back());
}

/// A summary row for levels first..last (1-based, inclusive).
QString summaryRow(const QString &name, const std::vector<LevelAnalysis> &levels, int first, int last,
                   std::uint64_t cap)
{
    int fewest = 64, most = 0;
    std::uint64_t leastSolutions = ~std::uint64_t(0), mostSolutions = 0;
    std::vector<double> traps;
    for (int n = first; n <= last; ++n) {
        const LevelAnalysis &a = levels[n - 1];
        fewest = std::min(fewest, a.platforms);
        most = std::max(most, a.platforms);
        leastSolutions = std::min(leastSolutions, a.solutions);
        mostSolutions = std::max(mostSolutions, a.solutions);
        traps.push_back(a.trapBits);
    }
    return QStringLiteral("| %1 | %2–%3 | %4–%5 | %6–%7 | %8 |\n")
        .arg(name)
        .arg(first)
        .arg(last)
        .arg(fewest)
        .arg(most)
        .arg(solutionText(leastSolutions, cap), solutionText(mostSolutions, cap), trapSpread(traps));
}

} // namespace

QString levelReport(const std::vector<LevelAnalysis> &levels, std::uint64_t cap)
{
    QString text;
    text += QStringLiteral(
        "# The level set\n"
        "\n"
        "`resources/zhop.dat` holds the game's %1 levels. It is made by `tools/make-levels` and checked by\n"
        "`tools/solve-levels`; this file is written by the latter.\n"
        "\n"
        "## Remaking the levels\n"
        "\n"
        "```\n"
        "cmake -S . -B build && cmake --build build --target make-levels solve-levels\n"
        "build/bin/make-levels --seed %2 --out resources/zhop.dat\n"
        "build/bin/solve-levels resources/zhop.dat --report docs/levels.md\n"
        "```\n"
        "\n"
        "The generator draws from its own pseudo-random source (xoshiro256** with an unbiased bounded draw), so the\n"
        "same seed gives the same file, byte for byte, with any compiler. The whole set takes about two and a half\n"
        "minutes on one core; most of it goes into the largest levels, whose walks must be regrown many times\n"
        "before they have few enough solutions.\n"
        "\n"
        "## How the levels are made\n"
        "\n"
        "A level is cleared by a path of jumps that lands on every platform exactly once, starting on the hero's\n"
        "platform: the platform left behind vanishes, and a jump of two may pass over an empty cell or a platform.\n"
        "\n"
        "- Levels 1–%3 are lessons drawn by hand, one idea each: a line of three, a line of four, a jump of two back\n"
        "  over the cell just left, a jump over an empty cell, a jump over a platform that stays, a turn, a ring\n"
        "  whose last platform vanishes under the hero, and all of it together.\n"
        "- Every other level is grown as a random walk of legal jumps that puts a platform on each cell it visits and\n"
        "  never comes back to one. The walk is a solution by construction; its first cell is the hero's start.\n"
        "- The walk is then improved: a random tail of it is grown anew, and the change is kept while the level has\n"
        "  no more solutions and at least as many traps as before. Levels alike to an earlier one under any of the\n"
        "  8 turns and mirror images of the board (the start turned with it) are thrown away.\n"
        "- The %4 chapters after the lessons grow from about 6 to about 34 platforms: the platform count rises\n"
        "  within a chapter, and the next one starts a few platforms lower than the last one ended. The levels of\n"
        "  a chapter are then ordered by their trap measure, so each chapter starts easier than the last ended.\n"
        "- From level %5 on, a level with up to %6 platforms has exactly one solution and a larger one at most %7.\n"
        "\n"
        "## How the levels are graded\n"
        "\n"
        "The solver searches the jump graph with a memo over (remaining platforms as a 64-bit mask, hero cell) and\n"
        "drops states that cannot be cleared any more: a platform without a neighbour, more than one platform\n"
        "besides the hero's with a single neighbour (only the far end of the path may have one), or platforms that\n"
        "no longer hang together. Solutions are counted up to a cap of %8 (shown as \"%8+\").\n"
        "\n"
        "A single solution alone does not make a level hard: a corridor has one and offers no choice. The grade\n"
        "follows the solution and looks at the traps met on the way:\n"
        "\n"
        "- **traps**: the sum over the solution's jumps of log2(legal jumps / jumps that still lead to a solution),\n"
        "  the bits of guessing a player needs without looking ahead;\n"
        "- **wrong run**: the most jumps a player can still make after a wrong jump anywhere along the solution, before\n"
        "  no jump is left: how late a mistake shows.\n"
        "\n")
                .arg(levels.size())
                .arg(ShippedSeed)
                .arg(LessonLevels)
                .arg(ChapterCount)
                .arg(UniqueFromLevel)
                .arg(UniqueUpToPlatforms)
                .arg(HandfulOfSolutions)
                .arg(cap);

    text += QStringLiteral("## Chapters\n\n"
                           "| Chapter | Levels | Platforms | Solutions | Traps min / median / max |\n"
                           "|---|---|---|---|---|\n");
    const int count = int(levels.size());
    text += summaryRow(QStringLiteral("Lessons"), levels, 1, std::min(LessonLevels, count), cap);
    for (int c = 0; c < ChapterCount; ++c) {
        const Chapter chapter = chapterLevels(c);
        if (chapter.first > count)
            break;
        text += summaryRow(QString::number(c + 1), levels, chapter.first, std::min(chapter.last, count), cap);
    }

    text += QStringLiteral("\n## Levels\n\n"
                           "| Level | Platforms | Solutions | Traps | Wrong run |\n"
                           "|---|---|---|---|---|\n");
    for (int n = 1; n <= count; ++n) {
        const LevelAnalysis &a = levels[n - 1];
        text += QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                    .arg(n)
                    .arg(a.platforms)
                    .arg(solutionText(a.solutions, cap), bits(a.trapBits))
                    .arg(a.longestWrongRun);
    }
    return text;
}
