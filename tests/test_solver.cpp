// The level solver against boards drawn as pictures, against a plain search
// that plays every key through the board rules, and against itself without
// its pruning.

#include "game/solver.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>

namespace {

/// Every way to clear the board, found by pressing all eight keys through
/// interpretKey and applyJump: slow, but it shares nothing with the solver
/// except the rules.
std::uint64_t countByPlaying(const Board &board)
{
    if (!board.hasPlatform(board.heroColumn, board.heroRow))
        return 0;
    if (board.platformCount() == 1)
        return 1;
    std::uint64_t total = 0;
    for (const Move &move : AllMoves) {
        const Answer answer = interpretKey(board, move.arrow, move.longJump);
        if (answer.kind == Answer::Jump) {
            Board next = board;
            applyJump(next, answer.target);
            total += countByPlaying(next);
        }
    }
    return total;
}

/// A random level of up to 12 platforms in a 3 x 3 or 4 x 4 corner, where the
/// jump graph is dense enough for many solutions and many dead ends, and the
/// plain search stays fast.
LevelRecord randomSmallLevel(QRandomGenerator &random)
{
    LevelRecord level;
    const int side = 3 + random.bounded(2);
    const int platforms = 2 + random.bounded(std::min(side * side, 12) - 1);
    std::vector<int> cells;
    for (int column = 0; column < side; ++column)
        for (int row = 0; row < side; ++row)
            cells.push_back(cellIndex(column, row));
    for (int i = 0; i < platforms; ++i) {
        std::swap(cells[i], cells[i + random.bounded(int(cells.size()) - i)]);
        level.cells[cells[i]] = 1;
    }
    level.startColumn = std::uint8_t(cells[0] / BoardSide);
    level.startRow = std::uint8_t(cells[0] % BoardSide);
    return level;
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT

private slots:
    void solvesSmallBoards_data()
    {
        QTest::addColumn<LevelRecord>("level");
        QTest::addColumn<quint64>("solutions");
        QTest::addColumn<quint64>("cap");

        const auto row = [](const char *name, std::initializer_list<const char *> picture, quint64 solutions,
                            quint64 cap = 1000) {
            QTest::newRow(name) << levelFromPicture(picture) << solutions << cap;
        };
        row("hero alone is already solved", {"H"}, 1);
        row("one step", {"H#"}, 1);
        row("line of three: step-step or jump-back", {"H##"}, 2);
        row("line of four from its end", {"H###"}, 4);
        row("line of four, cap exactly the count", {"H###"}, 4, 4);
        row("middle of three: either side first", {"#H#"}, 2);
        row("jump over an empty cell", {"H.#"}, 1);
        row("down a column", {"H", "#", ".", "#"}, 1);
        row("ring of four, both ways round", {"H#", "##"}, 2);
        row("jump over a platform that stays", {"H##", ".#"}, 1);
        row("turn", {"..H##", "....#", "....#"}, 2);
        row("snake with gaps", {"H.#.#", "#...#", "#.###", "##.##"}, 51);
        row("start in the middle", {"###", "#H#", "###"}, 168);
        row("block of twelve, cap above the count", {"H###", "####", "####"}, 2196, 1'000'000'000);
        row("block of twelve, cap 1", {"H###", "####", "####"}, 2196, 1);
        row("block of twelve, cap 7", {"H###", "####", "####"}, 2196, 7);
        row("three cells away is out of reach", {"H..#"}, 0);
        row("diagonal neighbour is out of reach", {"H", ".#"}, 0);
        row("a far platform cut off", {"H#....#"}, 0);
        row("cross: two arms become dead ends", {".#", "#H#", ".#"}, 0);
        row("dead ends on either side", {"#.H.#"}, 0);
        row("long jumps on the board's edge", {".......#", ".......#", ".......H"}, 2);
        LevelRecord heroOnEmptyCell = levelFromPicture({"H#", "##"});
        heroOnEmptyCell.cells[cellIndex(0, 0)] = 0;
        QTest::newRow("hero on an empty cell cannot win") << heroOnEmptyCell << quint64(0) << quint64(1000);
    }

    /// The count, capped, with and without pruning, agrees with the plain search;
    /// the solution found, played key by key, lands on each cell of its path and
    /// leaves one platform, which the next key clears.
    void solvesSmallBoards()
    {
        QFETCH(LevelRecord, level);
        QFETCH(quint64, solutions);
        QFETCH(quint64, cap);
        const quint64 capped = std::min(solutions, cap);
        QCOMPARE(countByPlaying(loadBoard(level)), solutions);
        QCOMPARE(countSolutions(level, {cap, true}), capped);
        QCOMPARE(countSolutions(level, {cap, false}), capped);

        const LevelAnalysis analysis = analyseLevel(level, {cap, true});
        QCOMPARE(analysis.solutions, capped);
        if (solutions == 0) {
            QVERIFY(analysis.path.empty());
            return;
        }
        QCOMPARE(int(analysis.moves.size()), analysis.platforms - 1);
        QCOMPARE(analysis.path.size(), analysis.moves.size() + 1);
        Board board = loadBoard(level);
        for (std::size_t i = 0; i < analysis.moves.size(); ++i) {
            const Answer answer = interpretKey(board, analysis.moves[i].arrow, analysis.moves[i].longJump);
            QCOMPARE(answer.kind, Answer::Jump);
            QCOMPARE(answer.target, analysis.path[i + 1]);
            applyJump(board, answer.target);
        }
        QCOMPARE(board.platformCount(), 1);
        QCOMPARE(interpretKey(board, std::nullopt, false).kind, Answer::Solve);
    }

    void trapMeasure_data()
    {
        QTest::addColumn<LevelRecord>("level");
        QTest::addColumn<double>("trapBits");
        QTest::addColumn<int>("longestWrongRun");

        QTest::newRow("corridor: no choice at all") << levelFromPicture({"H.#.#.#"}) << 0.0 << 0;
        // Step or jump, only the jump wins (1 bit); after the wrong step one
        // more jump is left before the player is stuck.
        QTest::newRow("jump over a platform") << levelFromPicture({"H##", ".#"}) << 1.0 << 1;
        QTest::newRow("middle of three: both first jumps win") << levelFromPicture({"#H#"}) << 0.0 << 0;
        QTest::newRow("line of four: every jump wins") << levelFromPicture({"H###"}) << 0.0 << 0;
    }

    void trapMeasure()
    {
        QFETCH(LevelRecord, level);
        const LevelAnalysis analysis = analyseLevel(level);
        QVERIFY(analysis.solvable());
        QTEST(analysis.trapBits, "trapBits");
        QTEST(analysis.longestWrongRun, "longestWrongRun");
    }

    void pruningKeepsCounts()
    {
        // The dead-state tests may only cut off states without a solution.
        QRandomGenerator random(20261207);
        int solvable = 0;
        for (int i = 0; i < 400; ++i) {
            const LevelRecord level = randomSmallLevel(random);
            const std::uint64_t pruned = countSolutions(level, {1'000'000, true});
            QCOMPARE(countSolutions(level, {1'000'000, false}), pruned);
            QCOMPARE(countByPlaying(loadBoard(level)), pruned);
            solvable += pruned > 0 ? 1 : 0;
        }
        // Both kinds of board must have turned up, or the comparison says little.
        QVERIFY(solvable > 20 && solvable < 380);
    }

    /** The memo gives back what was stored for each state and nothing for
     *  another, also once it has grown past its first 4096 slots. */
    void memoKeepsEveryState()
    {
        StateMemo memo;
        for (int i = 0; i < 5000; ++i)
            memo.store(CellMask(i) << 8, i % 64, std::uint64_t(i));
        for (int i = 0; i < 5000; ++i)
            QCOMPARE(memo.find(CellMask(i) << 8, i % 64) ? *memo.find(CellMask(i) << 8, i % 64) : ~0ull, quint64(i));
        memo.store(5, 0, 7);
        memo.store(5, 0, 8); // stored again: the new number
        QCOMPARE(*memo.find(5, 0), 8ull);
        QVERIFY(!memo.find(5, 1)); // the same platforms, the hero elsewhere
        QVERIFY(!memo.find(6, 0));
    }

    void jumpsAndMovesText()
    {
        // From column 6 a jump of two right leaves the board; from the corner
        // only right and down lead anywhere.
        QCOMPARE(jumpTarget(cellIndex(6, 3), {Arrow::Right, true}), -1);
        QCOMPARE(jumpTarget(cellIndex(6, 3), {Arrow::Right, false}), cellIndex(7, 3));
        QCOMPARE(jumpTarget(cellIndex(2, 5), {Arrow::Up, true}), cellIndex(2, 3));
        const auto bit = [](int column, int row) { return CellMask(1) << cellIndex(column, row); };
        QCOMPARE(jumpNeighbours(cellIndex(0, 0)), bit(1, 0) | bit(2, 0) | bit(0, 1) | bit(0, 2));
        QCOMPARE(std::popcount(jumpNeighbours(cellIndex(3, 4))), 8);

        QCOMPARE(movesText({{Arrow::Right, false}, {Arrow::Left, true}, {Arrow::Up, false}, {Arrow::Down, true}}),
                 QStringLiteral("R L2 U D2"));
        QCOMPARE(movesText(analyseLevel(levelFromPicture({"H##", ".#"})).moves), QStringLiteral("R2 L D"));
    }

    void symmetriesMakeAlikeLevels()
    {
        const LevelRecord level = levelFromPicture({"H.#.", "#..#", "..##", "...#"});
        const LevelRecord canonical = canonicalLevel(level);
        const std::uint64_t solutions = countSolutions(level);
        QSet<QByteArray> images;
        for (int symmetry = 0; symmetry < 8; ++symmetry) {
            const LevelRecord image = transformedLevel(level, symmetry);
            images.insert(serializeLevelSet({image}));
            QCOMPARE(canonicalLevel(image), canonical);
            QCOMPARE(countSolutions(image), solutions);
            QVERIFY(image.cells[cellIndex(image.startColumn, image.startRow)] != 0);
        }
        // The level has no symmetry of its own, so all 8 images differ.
        QCOMPARE(images.size(), 8);

        // Another start makes another level; a platform byte of another value
        // is the same platform.
        LevelRecord otherStart = level;
        otherStart.startColumn = 2;
        QVERIFY(canonicalLevel(otherStart) != canonical);
        LevelRecord otherByte = level;
        otherByte.cells[cellIndex(2, 0)] = 7;
        QCOMPARE(canonicalLevel(otherByte), canonical);
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
