// Progress: counting solved levels and searching for unsolved ones.
#include "game/progress.h"

#include <QTest>

namespace {

/// A table for levelCount levels where every level but those listed is solved.
SolvedTable allSolvedBut(int levelCount, std::initializer_list<int> unsolved)
{
    SolvedTable table;
    for (int level = 1; level <= levelCount; ++level)
        table[level] = 1;
    for (int level : unsolved)
        table[level] = 0;
    return table;
}

} // namespace

class TestProgress : public QObject {
    Q_OBJECT
private slots:
    void countsOnlyPositiveFlagsUpToLevelCount()
    {
        SolvedTable table;
        table[1] = 1;
        table[2] = -5; // from a file made elsewhere: not counted, but not unsolved either
        table[3] = 7;
        table[11] = 1; // above the level count
        QCOMPARE(progressCount(table, 10), 2);
        QVERIFY(allFlagged(table, 3));
        QVERIFY(!allFlagged(table, 4));
    }

    void search_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("expected"); // 0: nothing found

        // Levels 3 and 7 unsolved of 10.
        QTest::newRow("previous from 5 finds 3") << 5 << int(SearchDirection::Previous) << 3;
        QTest::newRow("next from 5 finds 7") << 5 << int(SearchDirection::Next) << 7;
        QTest::newRow("previous from 3 wraps past 1 to 7") << 3 << int(SearchDirection::Previous) << 7;
        QTest::newRow("next from 7 wraps past 10 to 3") << 7 << int(SearchDirection::Next) << 3;
        QTest::newRow("next from 10 wraps to 3") << 10 << int(SearchDirection::Next) << 3;
    }

    void search()
    {
        QFETCH(int, current);
        QFETCH(int, direction);
        const SolvedTable table = allSolvedBut(10, {3, 7});
        QTEST(findUnsolved(table, 10, current, SearchDirection(direction)).value_or(0), "expected");
    }

    void clearKeepsLevelsAboveTheSet()
    {
        SolvedTable table = allSolvedBut(200, {});
        clearProgress(table, 120);
        QCOMPARE(progressCount(table, 200), 80);
        QCOMPARE(table[120], 0);
        QCOMPARE(table[121], 1);

        // Only the current level unsolved: neither search finds anything.
        const SolvedTable onlyCurrent = allSolvedBut(10, {4});
        QVERIFY(!findUnsolved(onlyCurrent, 10, 4, SearchDirection::Next));
        QVERIFY(!findUnsolved(onlyCurrent, 10, 4, SearchDirection::Previous));
        QVERIFY(!findUnsolved(SolvedTable{}, 1, 1, SearchDirection::Next));
    }
};

QTEST_APPLESS_MAIN(TestProgress)
#include "test_progress.moc"
