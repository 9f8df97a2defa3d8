// The level set the game ships with, resources/zhop.dat: all 200 levels can
// be played to the end, none repeats another, and the later ones leave no
// second way through.

#include "game/solver.h"
#include "tools/levelcurve.h"

#include <QFile>
#include <QTest>

#include <bit>
#include <map>

class TestShippedLevels : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fileHoldsExactly200Records();
    void heroStartsOnAPlatform();
    void everyLevelIsSolvable();
    void laterLevelsHaveOneSolution();
    void noTwoLevelsAlike();

private:
    QByteArray bytes_;
    std::vector<LevelRecord> levels_;
};

void TestShippedLevels::initTestCase()
{
    QFile file(QStringLiteral(ZHOP_DAT));
    QVERIFY2(file.open(QIODevice::ReadOnly), ZHOP_DAT);
    bytes_ = file.readAll();
    const LevelSetReadResult set = parseLevelSet(bytes_);
    QCOMPARE(set.error, LevelSetError::None);
    levels_ = set.levels;
}

void TestShippedLevels::fileHoldsExactly200Records()
{
    QCOMPARE(bytes_.size(), qsizetype(13'200));
    QCOMPARE(int(levels_.size()), MaxLevels);
    // Nothing was lost or changed on the way through the reader.
    QCOMPARE(serializeLevelSet(levels_), bytes_);
}

void TestShippedLevels::heroStartsOnAPlatform()
{
    for (std::size_t n = 0; n < levels_.size(); ++n) {
        const Board board = loadBoard(levels_[n]);
        QVERIFY2(board.hasPlatform(board.heroColumn, board.heroRow), qPrintable(QString::number(n + 1)));
        // A level of one platform would be solved by the first key press.
        QVERIFY2(board.platformCount() >= 3, qPrintable(QString::number(n + 1)));
    }
}

void TestShippedLevels::everyLevelIsSolvable()
{
    for (std::size_t n = 0; n < levels_.size(); ++n) {
        // Play the solver's solution through the rules the player meets.
        const LevelAnalysis analysis = analyseLevel(levels_[n], {HandfulOfSolutions + 1, true, false});
        const QByteArray level = QByteArray::number(qulonglong(n + 1));
        QVERIFY2(analysis.solvable(), level);
        Board board = loadBoard(levels_[n]);
        for (const Move &move : analysis.moves) {
            const Answer answer = interpretKey(board, move.arrow, move.longJump);
            QVERIFY2(answer.kind == Answer::Jump, level);
            applyJump(board, answer.target);
        }
        QVERIFY2(interpretKey(board, std::nullopt, false).kind == Answer::Solve, level);
    }
}

void TestShippedLevels::laterLevelsHaveOneSolution()
{
    for (int n = UniqueFromLevel; n <= int(levels_.size()); ++n) {
        const LevelRecord &level = levels_[n - 1];
        const int platforms = std::popcount(platformMask(level));
        const std::uint64_t allowed = allowedSolutions(n, platforms);
        // Counting one past the limit is enough to see it broken.
        const std::uint64_t solutions = countSolutions(level, {allowed + 1, true});
        QVERIFY2(solutions >= 1 && solutions <= allowed,
                 qPrintable(QStringLiteral("level %1: %2 platforms, %3 solutions").arg(n).arg(platforms).arg(solutions)));
        if (platforms <= UniqueUpToPlatforms)
            QCOMPARE(solutions, std::uint64_t(1));
    }
}

void TestShippedLevels::noTwoLevelsAlike()
{
    // Turned or mirrored, with the start turned alike, a level is the same
    // puzzle; the canonical form is shared by all 8 images.
    std::map<QByteArray, int> seen;
    for (int n = 1; n <= int(levels_.size()); ++n) {
        const QByteArray key = serializeLevelSet({canonicalLevel(levels_[n - 1])});
        const auto [where, isNew] = seen.emplace(key, n);
        QVERIFY2(isNew, qPrintable(QStringLiteral("level %1 is level %2 turned or mirrored").arg(n).arg(where->second)));
    }
    QCOMPARE(int(seen.size()), MaxLevels);
}

QTEST_GUILESS_MAIN(TestShippedLevels)
#include "test_shipped_levels.moc"
