// solve-levels: solves every level of a level set file.
//
//   solve-levels FILE [--cap N] [--no-prune] [--report docs/levels.md]
//
// Prints one line per level: whether it can be solved, how many solutions it
// has (a "+" when counting stopped at the cap), the trap measure, the longest
// run after a wrong jump and one solution as key presses (R, L, U, D; a 2
// marks a jump of two cells). With --report it also writes the level report.

#include "game/solver.h"
#include "tools/levelreport.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: solve-levels FILE [--cap N] [--no-prune] [--report FILE]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString levelFile, reportFile;
    SolverOptions options;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--no-prune")) {
            options.prune = false;
        } else if (args[i] == QLatin1String("--cap") && i + 1 < args.size()) {
            bool ok = false;
            options.countCap = args[++i].toULongLong(&ok);
            if (!ok || options.countCap == 0)
                return usage();
        } else if (args[i] == QLatin1String("--report") && i + 1 < args.size()) {
            reportFile = args[++i];
        } else if (levelFile.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            levelFile = args[i];
        } else {
            return usage();
        }
    }
    if (levelFile.isEmpty())
        return usage();

    const LevelSetReadResult set = readLevelSet(levelFile);
    if (set.error != LevelSetError::None) {
        std::fprintf(stderr, "solve-levels: %s is not a usable level set\n", qPrintable(levelFile));
        return 1;
    }
    std::vector<LevelAnalysis> analyses;
    int unsolvable = 0;
    for (std::size_t n = 0; n < set.levels.size(); ++n) {
        const LevelAnalysis a = analyseLevel(set.levels[n], options);
        const bool capped = a.solutions >= options.countCap;
        std::printf("level %3zu: %s, %2d platforms, %llu%s solutions, traps %.2f, wrong run %d%s%s\n", n + 1,
                    a.solvable() ? "solvable" : "UNSOLVABLE", a.platforms, static_cast<unsigned long long>(a.solutions),
                    capped ? "+" : "", a.trapBits, a.longestWrongRun, a.solvable() ? ": " : "",
                    qPrintable(movesText(a.moves)));
        unsolvable += a.solvable() ? 0 : 1;
        analyses.push_back(a);
    }

    if (!reportFile.isEmpty()) {
        QSaveFile report(reportFile);
        if (!report.open(QIODevice::WriteOnly) || report.write(levelReport(analyses, options.countCap).toUtf8()) < 0
            || !report.commit()) {
            std::fprintf(stderr, "solve-levels: cannot write %s\n", qPrintable(reportFile));
            return 1;
        }
    }
    return unsolvable == 0 ? 0 : 1;
}
