// The rules: what a key press or a click means on a given board.
#include "boardpicture.h"

#include <QTest>

Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(std::optional<Arrow>)
Q_DECLARE_METATYPE(std::optional<Cell>)

namespace {

// The hero in column 2, row 3; platforms around him in every direction,
// with gaps to jump over. The picture keeps its rows one under the other.
// clang-format off
const BoardPicture Cross = {
    "........",
    "..#.....",
    "........",
    "##H.#...",
    "..#.....",
    "..#.....",
};
// clang-format on

} // namespace

namespace QTest {
template <>
char *toString(const Answer &a)
{
    static_assert(Answer::Nothing == 0 && Answer::Jump == 1 && Answer::Lose == 2 && Answer::Solve == 3);
    static const char *const kinds[] = {"nothing", "jump", "lose", "solve"};
    return qstrdup(QStringLiteral("%1 to (%2, %3)%4")
                       .arg(QLatin1String(kinds[a.kind]))
                       .arg(a.target.column)
                       .arg(a.target.row)
                       .arg(a.longJump ? " long" : "")
                       .toLatin1()
                       .constData());
}
} // namespace QTest

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    void loadBoardTakesCellsAndStart()
    {
        LevelRecord record;
        record.cells[21] = 7; // column 2, row 5
        record.startColumn = 2;
        record.startRow = 5;
        const Board board = loadBoard(record);
        QVERIFY(board.hasPlatform(2, 5));
        QCOMPARE(board.heroColumn, 2);
        QCOMPARE(board.heroRow, 5);
        QCOMPARE(board.platformCount(), 1);
    }

    void platformCount()
    {
        QCOMPARE(boardFromPicture(Cross).platformCount(), 7);
        const BoardPicture full = {"########", "########", "########", "########",
                                   "########", "########", "########", "#######H"};
        QCOMPARE(boardFromPicture(full).platformCount(), 64);
    }

    void keys_data()
    {
        QTest::addColumn<std::optional<Arrow>>("arrow");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<Answer>("expected");

        QTest::newRow("left onto a platform") << std::optional(Arrow::Left) << false << Answer::jump({1, 3}, false);
        QTest::newRow("shift+left two cells") << std::optional(Arrow::Left) << true << Answer::jump({0, 3}, true);
        QTest::newRow("right onto an empty cell loses") << std::optional(Arrow::Right) << false << Answer::lose();
        QTest::newRow("shift+right over a gap") << std::optional(Arrow::Right) << true << Answer::jump({4, 3}, true);
        QTest::newRow("up onto an empty cell loses") << std::optional(Arrow::Up) << false << Answer::lose();
        QTest::newRow("shift+up over a gap") << std::optional(Arrow::Up) << true << Answer::jump({2, 1}, true);
        QTest::newRow("down onto a platform") << std::optional(Arrow::Down) << false << Answer::jump({2, 4}, false);
        QTest::newRow("shift+down over a platform") << std::optional(Arrow::Down) << true << Answer::jump({2, 5}, true);
        QTest::newRow("a letter does nothing") << std::optional<Arrow>() << false << Answer::nothing();
        QTest::newRow("shift alone does nothing") << std::optional<Arrow>() << true << Answer::nothing();
    }

    void keys()
    {
        QFETCH(std::optional<Arrow>, arrow);
        QFETCH(bool, shift);
        QTEST(interpretKey(boardFromPicture(Cross), arrow, shift), "expected");
    }

    void clicks_data()
    {
        QTest::addColumn<std::optional<Cell>>("cell");
        QTest::addColumn<Answer>("expected");

        QTest::newRow("platform next door") << std::optional(Cell{1, 3}) << Answer::jump({1, 3}, false);
        QTest::newRow("platform two away over a gap") << std::optional(Cell{4, 3}) << Answer::jump({4, 3}, true);
        QTest::newRow("platform two away over a platform") << std::optional(Cell{2, 5}) << Answer::jump({2, 5}, true);
        QTest::newRow("platform two up") << std::optional(Cell{2, 1}) << Answer::jump({2, 1}, true);
        QTest::newRow("empty cell next door loses") << std::optional(Cell{3, 3}) << Answer::lose();
        QTest::newRow("empty cell diagonally loses") << std::optional(Cell{3, 4}) << Answer::lose();
        QTest::newRow("empty cell far away loses") << std::optional(Cell{7, 7}) << Answer::lose();
        QTest::newRow("the hero's own platform does nothing") << std::optional(Cell{2, 3}) << Answer::nothing();
        QTest::newRow("no cell does nothing") << std::optional<Cell>() << Answer::nothing();
    }

    void clicks()
    {
        QFETCH(std::optional<Cell>, cell);
        QTEST(interpretClick(boardFromPicture(Cross), cell), "expected");
    }

    void lastPlatformSolvesWhateverTheInput()
    {
        const Board alone = boardFromPicture({"", "", "....H"});
        QCOMPARE(interpretKey(alone, std::nullopt, true), Answer::solve());
        QCOMPARE(interpretKey(alone, Arrow::Left, false), Answer::solve());
        QCOMPARE(interpretClick(alone, std::nullopt), Answer::solve());
        QCOMPARE(interpretClick(alone, Cell{0, 0}), Answer::solve());
    }

    void jumpLeavesThePlatformJumpedOver()
    {
        Board board = boardFromPicture(Cross);
        const Cell left = applyJump(board, {2, 5});
        QCOMPARE(left, (Cell{2, 3}));
        QVERIFY(!board.hasPlatform(2, 3));
        QVERIFY(board.hasPlatform(2, 4));
        QCOMPARE(board.heroColumn, 2);
        QCOMPARE(board.heroRow, 5);
        QCOMPARE(board.platformCount(), 6);
    }

    void playingALevelThrough()
    {
        // Platforms only in column 0 and column 1 of row 0: Right, then any key.
        Board board = boardFromPicture({"H#"});
        const Answer right = interpretKey(board, Arrow::Right, false);
        QCOMPARE(right, Answer::jump({1, 0}, false));
        applyJump(board, right.target);
        QVERIFY(!board.hasPlatform(0, 0));
        QCOMPARE(interpretKey(board, std::nullopt, false), Answer::solve());

        // Shift+Right from column 6 leaves the board; from 5 onto an empty 7 too.
        Board edge = boardFromPicture({"......H#", "", "", "", "", "", "", ".......#"});
        QCOMPARE(interpretKey(edge, Arrow::Right, true), Answer::lose());
        Board gap = boardFromPicture({".....H#.", "", "", "", "", "", "", ".......#"});
        QCOMPARE(interpretKey(gap, Arrow::Right, true), Answer::lose());
        QCOMPARE(interpretKey(gap, Arrow::Up, false), Answer::lose());
    }
};

QTEST_APPLESS_MAIN(TestBoard)
#include "test_board.moc"
