// The level solver on shipped levels of growing size, with and without the
// dead-state tests (the ratio counter says how much the tests save), and over
// all shipped levels at once.

#include "game/solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

const std::vector<LevelRecord> &shippedLevels()
{
    static const std::vector<LevelRecord> levels = [] {
        const LevelSetReadResult set = readLevelSet(QStringLiteral(ZHOP_DAT));
        if (set.error != LevelSetError::None) {
            std::fprintf(stderr, "cannot read %s\n", ZHOP_DAT);
            std::exit(1);
        }
        return set.levels;
    }();
    return levels;
}

// No cap, as the shipped-levels test counts: the exact number of ways.
constexpr SolverOptions Pruned{std::numeric_limits<std::uint64_t>::max(), true, false};
constexpr SolverOptions Unpruned{std::numeric_limits<std::uint64_t>::max(), false, false};

void countLevel(benchmark::State &state, const SolverOptions &options)
{
    const LevelRecord &level = shippedLevels().at(state.range(0) - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(countSolutions(level, options));
    state.counters["platforms"] = std::popcount(platformMask(level));
}

void BM_CountPruned(benchmark::State &state)
{
    countLevel(state, Pruned);
}
void BM_CountUnpruned(benchmark::State &state)
{
    countLevel(state, Unpruned);
}

/// Both searches on the same level, timed apart, as one ratio.
void BM_PruningSaves(benchmark::State &state)
{
    const LevelRecord &level = shippedLevels().at(state.range(0) - 1);
    using Clock = std::chrono::steady_clock;
    Clock::duration pruned{}, unpruned{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(countSolutions(level, Pruned));
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(countSolutions(level, Unpruned));
        unpruned += Clock::now() - t1;
        pruned += t1 - t0;
    }
    state.counters["unpruned/pruned"] = double(unpruned.count()) / double(std::max<Clock::rep>(pruned.count(), 1));
}

/// The whole report's work for one level: count, follow and grade.
void BM_AnalyseLevel(benchmark::State &state)
{
    const LevelRecord &level = shippedLevels().at(state.range(0) - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseLevel(level));
}

/// The solver over every shipped level, as the shipped-level test runs it:
/// a way to clear each found and its ways counted exactly.
void BM_SolveAllShipped(benchmark::State &state)
{
    for (auto _ : state)
        for (const LevelRecord &level : shippedLevels())
            benchmark::DoNotOptimize(analyseLevel(level, Pruned));
    state.counters["levels"] = double(shippedLevels().size());
}
BENCHMARK(BM_SolveAllShipped)->Unit(benchmark::kMillisecond);

// A lesson, then levels from the early, middle and last chapters.
#define SHIPPED_LEVELS Arg(8)->Arg(40)->Arg(100)->Arg(160)->Arg(200)
// Without the dead-state tests the last chapters' levels take half a minute
// or run out of memory, so that search is timed on the earlier levels only.
#define UNPRUNED_LEVELS Arg(8)->Arg(40)->Arg(100)

BENCHMARK(BM_CountPruned)->SHIPPED_LEVELS->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountUnpruned)->UNPRUNED_LEVELS->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PruningSaves)->UNPRUNED_LEVELS->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalyseLevel)->SHIPPED_LEVELS->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
