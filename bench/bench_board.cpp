// What a move costs on screen against a full repaint of the board: a move
// draws the cell left behind and the hero, a full repaint all 64 cells and
// the hero. The ratio is what the cell-by-cell drawing saves.
#include "game/board.h"
#include "view/boardbox.h"

#include <QApplication>
#include <QResizeEvent>

#include <benchmark/benchmark.h>

namespace {

/// A board area of the design size, its canvas ready to draw into.
void prepare(BoardBox &box)
{
    box.resize(494, 314);
    QResizeEvent resize(box.size(), QSize());
    QCoreApplication::sendEvent(&box, &resize);
}

Board fullBoard()
{
    Board board;
    board.cells.fill(1);
    return board;
}

void BM_FullRepaint(benchmark::State &state)
{
    BoardBox box;
    prepare(box);
    const DrawingUnits units = computeUnits(494, 362);
    const Board board = fullBoard();
    for (auto _ : state) {
        for (int col = 0; col < BoardSide; ++col)
            for (int row = 0; row < BoardSide; ++row)
                box.DrawCell(units, board, col, row);
        box.DrawHero(units, board.heroColumn, board.heroRow);
    }
}
BENCHMARK(BM_FullRepaint);

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
