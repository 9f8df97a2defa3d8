// What a move costs on screen against a full repaint of the board area: a
// move draws the cell left behind and the hero; the full repaint (boxPaint,
// as the main window runs it) all 64 cells, the hero, the thousand stars and
// the status displays, and shows the whole area. The ratio is what the
// cell-by-cell drawing saves. Beside them, what the two 100 ms timers cost at
// each tick: fifty star twinkles, and one frame of the scrolling strip. At
// the design size and on a full-HD screen.
#include "app/Main.h"
#include "game/board.h"
#include "services/marqueestrip.h"
#include "texts/catalogue.h"
#include "view/boardbox.h"
#include "view/starfield.h"

#include <QApplication>
#include <QResizeEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

/// The board area of a main window client area of the given size, its
/// canvas ready to draw into.
void prepare(BoardBox &box, int clientWidth = 494, int clientHeight = 362)
{
    box.resize(clientWidth, clientHeight - 48);
    QResizeEvent resize(box.size(), QSize());
    QCoreApplication::sendEvent(&box, &resize);
}

Board fullBoard()
{
    Board board;
    board.cells.fill(1);
    return board;
}

/// The full repaint of the board area in a main window started on the
/// shipped levels, shown at a client size of width x height.
void BM_BoxPaint(benchmark::State &state)
{
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    TMainForm form;
    if (!form.FormCreate(QStringLiteral(RESOURCES_DIR))) {
        state.SkipWithError("the shipped levels cannot be read");
        return;
    }
    form.FirstPaint = false; // the greetings are dialogs, not drawing
    form.resize(int(state.range(0)), int(state.range(1)));
    form.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        form.box->invalidateAll();
        form.box->repaint();
    }
}
BENCHMARK(BM_BoxPaint)->Args({494, 362})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

void BM_Move(benchmark::State &state)
{
    BoardBox box;
    prepare(box);
    const DrawingUnits units = computeUnits(494, 362);
    Board board = fullBoard();
    board.clear(0, 0);
    for (auto _ : state) {
        box.DrawCell(units, board, 0, 0);
        box.DrawHero(units, 1, 0);
    }
}
BENCHMARK(BM_Move);

void BM_StarTick(benchmark::State &state)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    BoardBox box;
    prepare(box, width, height);
    const DrawingUnits units = computeUnits(width, height);
    const Board board = fullBoard();
    for (int col = 0; col < BoardSide; ++col)
        for (int row = 0; row < BoardSide; ++row)
            box.DrawCell(units, board, col, row);
    StarRandom random;
    random.seed(20261207);
    StarField stars(random);
    stars.PlaceStars(width, height);
    for (auto _ : state)
        box.twinkleTick(stars);
}
BENCHMARK(BM_StarTick)->Args({494, 362})->Args({1920, 1080});

void BM_MarqueeFrame(benchmark::State &state)
{
    MarqueeStrip strip;
    strip.resize(int(state.range(0)), 15);
    strip.setText(Catalogue::Marquee.in(0));
    strip.start();
    // Step after step through the whole pass, entering and leaving included.
    for (auto _ : state)
        strip.step();
}
BENCHMARK(BM_MarqueeFrame)->Args({494, 362})->Args({1920, 1080});

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
