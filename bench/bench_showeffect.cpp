// What the main window's show effect costs before the window appears: the
// whole effect at its pace against the same 40 outlines drawn and taken
// away with no pause between them. The effect must stay well under 100 ms;
// the unpaced run is the share of it that is drawing rather than showing.
// Runs on the display in DISPLAY when there is one, else offscreen.
#include "services/explodeeffect.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

const QPoint Pointer(100, 600);
const QRect Frame(300, 200, 506, 393);

void BM_ExplodeAtItsPace(benchmark::State &state)
{
    for (auto _ : state)
        ExplodeEffect::run(Pointer, Frame);
}
BENCHMARK(BM_ExplodeAtItsPace)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExplodeUnpaced(benchmark::State &state)
{
    for (auto _ : state)
        ExplodeEffect::run(Pointer, Frame, ExplodeEffect::Pace{{}, {}});
}
BENCHMARK(BM_ExplodeUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
