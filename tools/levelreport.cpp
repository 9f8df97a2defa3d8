#include "tools/levelreport.h"

#include "tools/levelcurve.h"

#include <QStringList>

#include <algorithm>

namespace {

QString solutionText(std::uint64_t solutions, std::uint64_t cap)
{
    return QString::number(solutions) + (solutions >= cap ? QStringLiteral("+") : QString());
}

QString bits(double value)
{
    return QString::number(value, 'f', 2);
}

/// Smallest, median and largest of some values, each written by text.
QString spread(const std::vector<double> &values, QString (*text)(double))
{
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    return text(*least) + QStringLiteral(" / ") + text(median(values)) + QStringLiteral(" / ") + text(*most);
}

QString platformCount(double value)
{
    return QString::number(value);
}

/// A summary row for levels first..last (1-based, inclusive).
QString summaryRow(const QString &name, const std::vector<LevelAnalysis> &levels, int first, int last,
                   std::uint64_t cap)
{
    std::uint64_t leastSolutions = ~std::uint64_t(0), mostSolutions = 0;
    std::vector<double> platforms, traps;
    for (int n = first; n <= last; ++n) {
        const LevelAnalysis &a = levels[n - 1];
        platforms.push_back(a.platforms);
        leastSolutions = std::min(leastSolutions, a.solutions);
        mostSolutions = std::max(mostSolutions, a.solutions);
        traps.push_back(a.trapBits);
    }
    return QStringLiteral("| %1 | %2–%3 | %4 | %5–%6 | %7 |\n")
        .arg(name)
        .arg(first)
        .arg(last)
        .arg(spread(platforms, platformCount), solutionText(leastSolutions, cap), solutionText(mostSolutions, cap),
             spread(traps, bits));
}

} // namespace

QString levelReport(const std::vector<LevelAnalysis> &levels, std::uint64_t cap)
{
    QString text;
    text +=
        QStringLiteral(
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
            "The generator draws from its own pseudo-random source (xoshiro256** with an unbiased bounded draw) in a\n"
            "single thread, and the clock only reports its progress, so the same seed gives the same file, byte for\n"
            "byte, with any compiler. The whole set takes about a minute and a half on one core; most of it goes into\n"
            "the few largest levels, where telling one way through from two can take the solver a long search.\n"
            "\n"
            "## How the levels are made\n"
            "\n"
            "A level is cleared by a path of jumps that lands on every platform exactly once, starting on the hero's\n"
            "platform: the platform left behind vanishes, and a jump of two may pass over an empty cell or a "
            "platform.\n"
            "\n"
            "- Levels 1–%3 are lessons drawn by hand, one idea each: a line of three, a line of four, a jump of two "
            "back\n"
            "  over the cell just left, a jump over an empty cell, a jump over a platform that stays, a turn, a ring\n"
            "  whose last platform vanishes under the hero, and all of it together.\n"
            "- Every other level is grown from a single platform, the hero's start, one platform at a time: a "
            "platform\n"
            "  is added on a cell some platform can jump to, then platforms are moved one at a time to other such "
            "cells\n"
            "  while the exact number of solutions does not rise, until it is one again. An added platform that opens\n"
            "  too many ways, or whose ways cannot be brought back to one, is taken away and another cell tried.\n"
            "- At its full size the level is polished: platforms are moved while the level keeps its single solution\n"
            "  and its trap measure does not fall. Levels alike to an earlier one under any of the 8 turns and mirror\n"
            "  images of the board (the start turned with it) are never kept.\n"
            "- The %4 chapters after the lessons grow from 6 to 42 platforms: the platform count rises within a\n"
            "  chapter, and the next one starts a few platforms lower than the last one ended. The levels of a "
            "chapter\n"
            "  are then ordered by their trap measure, so each chapter starts easier than the last ended.\n"
            "- Every level after the lessons has exactly one solution; from level %5 on that is a rule the tests hold\n"
            "  the set to, and before it a level may have up to %6.\n"
            "\n"
            "## How the levels are graded\n"
            "\n"
            "The solver searches the jump graph with a memo over (remaining platforms as a 64-bit mask, hero cell) "
            "and\n"
            "drops states that cannot be cleared any more: a platform without a neighbour, more than one platform\n"
            "besides the hero's with a single neighbour (only the far end of the path may have one), or platforms "
            "that\n"
            "no longer hang together. Solutions are counted up to a cap of %7 (shown as \"%7+\"); a count below the "
            "cap\n"
            "is exact.\n"
            "\n"
            "A single solution alone does not make a level hard: a corridor has one and offers no choice. The grade\n"
            "follows the solution and looks at the traps met on the way:\n"
            "\n"
            "- **traps**: the sum over the solution's jumps of log2(legal jumps / jumps that still lead to a "
            "solution),\n"
            "  the bits of guessing a player needs without looking ahead;\n"
            "- **wrong run**: the most jumps a player can still make after a wrong jump anywhere along the solution, "
            "before\n"
            "  no jump is left: how late a mistake shows.\n"
            "\n")
            .arg(levels.size())
            .arg(ShippedSeed)
            .arg(LessonLevels)
            .arg(ChapterCount)
            .arg(UniqueFromLevel)
            .arg(HandfulOfSolutions)
            .arg(cap);

    text +=
        QStringLiteral("## Chapters\n\n"
                       "| Chapter | Levels | Platforms min / median / max | Solutions | Traps min / median / max |\n"
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
