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
    if (board.platformCount() == 1)
        return 1;
    std::uint64_t total = 0;
    for (const Move &move : AllMoves) {
        const Answer answer = interpretKey(board, move.arrow, move.longJump);
        if (answer.kind != Answer::Jump)
            continue;
        Board next = board;
        applyJump(next, answer.target);
        total += countByPlaying(next);
    }
    return total;
}

std::uint64_t countByPlaying(const LevelRecord &level)
{
    const Board board = loadBoard(level);
    if (!board.hasPlatform(board.heroColumn, board.heroRow))
        return 0;
    return countByPlaying(board);
}

/// A random level of a few platforms in the board's top left corner, where
/// the jump graph is dense enough for many solutions and many dead ends.
LevelRecord randomSmallLevel(QRandomGenerator &random)
{
    LevelRecord level;
    // Up to 12 platforms keeps the plain search below a second in all.
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
    void countsSmallBoards_data();
    void countsSmallBoards();
    void heroOnEmptyCellCannotWin();
    void capStopsCounting_data();
    void capStopsCounting();
    void solutionClearsTheBoard_data();
    void solutionClearsTheBoard();
    void trapMeasure_data();
    void trapMeasure();
    void pruningKeepsCounts();
    void jumpsFollowTheKeys();
    void movesAsText();
    void symmetriesMakeAlikeLevels();
};

void TestSolver::countsSmallBoards_data()
{
    QTest::addColumn<LevelRecord>("level");
    QTest::addColumn<quint64>("solutions");

    QTest::newRow("hero alone is already solved") << levelFromPicture({"H"}) << quint64(1);
    QTest::newRow("one step") << levelFromPicture({"H#"}) << quint64(1);
    QTest::newRow("line of three: step-step or jump-back") << levelFromPicture({"H##"}) << quint64(2);
    QTest::newRow("line of four from its end") << levelFromPicture({"H###"}) << quint64(4);
    QTest::newRow("middle of three: either side first") << levelFromPicture({"#H#"}) << quint64(2);
    QTest::newRow("jump over an empty cell") << levelFromPicture({"H.#"}) << quint64(1);
    QTest::newRow("down a column") << levelFromPicture({"H", "#", ".", "#"}) << quint64(1);
    QTest::newRow("ring of four, both ways round") << levelFromPicture({"H#", "##"}) << quint64(2);
    QTest::newRow("jump over a platform that stays") << levelFromPicture({"H##", ".#"}) << quint64(1);
    QTest::newRow("three cells away is out of reach") << levelFromPicture({"H..#"}) << quint64(0);
    QTest::newRow("diagonal neighbour is out of reach") << levelFromPicture({"H", ".#"}) << quint64(0);
    QTest::newRow("a far platform cut off") << levelFromPicture({"H#....#"}) << quint64(0);
    QTest::newRow("cross: two arms become dead ends") << levelFromPicture({".#", "#H#", ".#"}) << quint64(0);
    QTest::newRow("dead ends on either side") << levelFromPicture({"#.H.#"}) << quint64(0);
    QTest::newRow("long jumps on the board's edge") << levelFromPicture({".......#", ".......#", ".......H"})
                                                    << quint64(2);
}

void TestSolver::countsSmallBoards()
{
    QFETCH(LevelRecord, level);
    QFETCH(quint64, solutions);
    QCOMPARE(countByPlaying(level), solutions);
    QCOMPARE(countSolutions(level, {1000, true}), solutions);
    QCOMPARE(countSolutions(level, {1000, false}), solutions);
    QCOMPARE(analyseLevel(level).solvable(), solutions > 0);
}

void TestSolver::heroOnEmptyCellCannotWin()
{
    LevelRecord level = levelFromPicture({"H#", "##"});
    level.cells[cellIndex(0, 0)] = 0;
    QCOMPARE(countSolutions(level), quint64(0));
    const LevelAnalysis analysis = analyseLevel(level);
    QVERIFY(!analysis.solvable());
    QVERIFY(analysis.path.empty());
}

void TestSolver::capStopsCounting_data()
{
    QTest::addColumn<LevelRecord>("level");
    QTest::addColumn<quint64>("cap");

    const LevelRecord block = levelFromPicture({"H###", "####", "####"});
    QTest::newRow("block of twelve, cap 1") << block << quint64(1);
    QTest::newRow("block of twelve, cap 7") << block << quint64(7);
    QTest::newRow("block of twelve, cap above the count") << block << quint64(1'000'000'000);
    QTest::newRow("line of four, cap exactly the count") << levelFromPicture({"H###"}) << quint64(4);
}

void TestSolver::capStopsCounting()
{
    QFETCH(LevelRecord, level);
    QFETCH(quint64, cap);
    const std::uint64_t exact = countByPlaying(level);
    QVERIFY(exact > 0);
    QCOMPARE(countSolutions(level, {cap, true}), std::min<std::uint64_t>(exact, cap));
    QCOMPARE(countSolutions(level, {cap, false}), std::min<std::uint64_t>(exact, cap));
    QCOMPARE(analyseLevel(level, {cap, true}).solutions, std::min<std::uint64_t>(exact, cap));
}

void TestSolver::solutionClearsTheBoard_data()
{
    QTest::addColumn<LevelRecord>("level");

    QTest::newRow("turn") << levelFromPicture({"..H##", "....#", "....#"});
    QTest::newRow("jump over a platform") << levelFromPicture({"H##", ".#"});
    QTest::newRow("block of twelve") << levelFromPicture({"H###", "####", "####"});
    QTest::newRow("snake with gaps") << levelFromPicture({"H.#.#", "#...#", "#.###", "##.##"});
    QTest::newRow("start in the middle") << levelFromPicture({"###", "#H#", "###"});
}

void TestSolver::solutionClearsTheBoard()
{
    QFETCH(LevelRecord, level);
    const LevelAnalysis analysis = analyseLevel(level);
    QVERIFY(analysis.solvable());
    QCOMPARE(int(analysis.moves.size()), analysis.platforms - 1);
    QCOMPARE(analysis.path.size(), analysis.moves.size() + 1);

    // Played key by key, the solution lands on each cell of its path and
    // leaves one platform, which the next key clears.
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

void TestSolver::trapMeasure_data()
{
    QTest::addColumn<LevelRecord>("level");
    QTest::addColumn<double>("trapBits");
    QTest::addColumn<int>("longestWrongRun");

    // A corridor offers no choice at all.
    QTest::newRow("corridor") << levelFromPicture({"H.#.#.#"}) << 0.0 << 0;
    // The first jump: step or jump, and only the jump wins (1 bit); the
    // wrong step still allows one more jump before the player is stuck.
    QTest::newRow("jump over a platform") << levelFromPicture({"H##", ".#"}) << 1.0 << 1;
    // Both first jumps win; after a step, the jump back is forced.
    QTest::newRow("middle of three") << levelFromPicture({"#H#"}) << 0.0 << 0;
    // Every jump along a line of four still wins.
    QTest::newRow("line of four") << levelFromPicture({"H###"}) << 0.0 << 0;
}

void TestSolver::trapMeasure()
{
    QFETCH(LevelRecord, level);
    QFETCH(double, trapBits);
    QFETCH(int, longestWrongRun);
    const LevelAnalysis analysis = analyseLevel(level);
    QVERIFY(analysis.solvable());
    QCOMPARE(analysis.trapBits, trapBits);
    QCOMPARE(analysis.longestWrongRun, longestWrongRun);
}

void TestSolver::pruningKeepsCounts()
{
    // The dead-state tests may only cut off states without a solution.
    QRandomGenerator random(20261207);
    int solvable = 0;
    for (int i = 0; i < 400; ++i) {
        const LevelRecord level = randomSmallLevel(random);
        const std::uint64_t pruned = countSolutions(level, {1'000'000, true});
        QCOMPARE(countSolutions(level, {1'000'000, false}), pruned);
        QCOMPARE(countByPlaying(level), pruned);
        solvable += pruned > 0 ? 1 : 0;
    }
    // Both kinds of board must have turned up, or the comparison says little.
    QVERIFY(solvable > 20);
    QVERIFY(solvable < 380);
}

void TestSolver::jumpsFollowTheKeys()
{
    // From column 6 a jump of two right leaves the board; from the corner
    // only right and down lead anywhere.
    QCOMPARE(jumpTarget(cellIndex(6, 3), {Arrow::Right, true}), -1);
    QCOMPARE(jumpTarget(cellIndex(6, 3), {Arrow::Right, false}), cellIndex(7, 3));
    QCOMPARE(jumpTarget(cellIndex(2, 5), {Arrow::Up, true}), cellIndex(2, 3));
    const CellMask corner = jumpNeighbours(cellIndex(0, 0));
    QCOMPARE(std::popcount(corner), 4);
    QCOMPARE(corner, CellMask(1) << cellIndex(1, 0) | CellMask(1) << cellIndex(2, 0) | CellMask(1) << cellIndex(0, 1)
                         | CellMask(1) << cellIndex(0, 2));
    QCOMPARE(std::popcount(jumpNeighbours(cellIndex(3, 4))), 8);
}

void TestSolver::movesAsText()
{
    QCOMPARE(movesText({{Arrow::Right, false}, {Arrow::Left, true}, {Arrow::Up, false}, {Arrow::Down, true}}),
             QStringLiteral("R L2 U D2"));
    QCOMPARE(movesText(analyseLevel(levelFromPicture({"H##", ".#"})).moves), QStringLiteral("R2 L D"));
}

void TestSolver::symmetriesMakeAlikeLevels()
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

    // The same platforms with another start are another level; a platform
    // byte of another value is the same platform.
    LevelRecord otherStart = level;
    otherStart.startColumn = 2;
    QVERIFY(canonicalLevel(otherStart) != canonical);
    LevelRecord otherByte = level;
    otherByte.cells[cellIndex(2, 0)] = 7;
    QCOMPARE(canonicalLevel(otherByte), canonical);
}

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
