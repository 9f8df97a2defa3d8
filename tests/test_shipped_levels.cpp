// The level set the game ships with, resources/zhop.dat: the lessons as they
// were drawn, all 200 levels can be played to the end, none repeats another,
// the later ones leave no second way through, and the chapters climb.

#include "game/solver.h"
#include "tools/levelcurve.h"
#include "tools/levellessons.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <limits>

class TestShippedLevels : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QFile file(QStringLiteral(ZHOP_DAT));
        QVERIFY2(file.open(QIODevice::ReadOnly), ZHOP_DAT);
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), qsizetype(13'200));
        const LevelSetReadResult set = parseLevelSet(bytes);
        QCOMPARE(set.error, LevelSetError::None);
        levels_ = set.levels;
        QCOMPARE(int(levels_.size()), MaxLevels);
        // Nothing was lost or changed on the way through the reader.
        QCOMPARE(serializeLevelSet(levels_), bytes);
        // Counted without a cap: the exact number of ways through.
        for (const LevelRecord &level : levels_)
            analyses_.push_back(analyseLevel(level, {std::numeric_limits<std::uint64_t>::max(), true, false}));
    }

    void level_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= int(levels_.size()); ++n)
            QTest::addRow("level %d", n) << n;
    }

    void level()
    {
        QFETCH(int, n);
        const LevelRecord &level = levels_[n - 1];
        const LevelAnalysis &analysis = analyses_[n - 1];
        if (n <= LessonLevels)
            QCOMPARE(level, lessons()[n - 1]);
        Board board = loadBoard(level);
        QVERIFY(board.hasPlatform(board.heroColumn, board.heroRow));
        // A level of one platform would be solved by the first key press.
        QVERIFY(analysis.platforms >= 3);
        QVERIFY(analysis.solvable());
        QVERIFY2(analysis.solutions <= std::uint64_t(allowedSolutions(n)),
                 qPrintable(QStringLiteral("%1 solutions").arg(analysis.solutions)));

        // The solver's solution, played through the rules the player meets.
        for (const Move &move : analysis.moves) {
            const Answer answer = interpretKey(board, move.arrow, move.longJump);
            QCOMPARE(answer.kind, Answer::Jump);
            applyJump(board, answer.target);
        }
        QCOMPARE(interpretKey(board, std::nullopt, false).kind, Answer::Solve);

        // Turned or mirrored, with the start turned alike, a level is the
        // same puzzle; the canonical form is shared by all 8 images.
        const LevelRecord canonical = canonicalLevel(level);
        for (int earlier = 1; earlier < n; ++earlier)
            QVERIFY2(canonicalLevel(levels_[earlier - 1]) != canonical,
                     qPrintable(QStringLiteral("level %1 turned or mirrored").arg(earlier)));
    }

    void chapter_data()
    {
        QTest::addColumn<int>("c");
        for (int c = 0; c < ChapterCount; ++c)
            QTest::addRow("chapter %d", c + 1) << c;
    }

    /// A chapter is ordered by its traps and starts easier than the one
    /// before ended; its median trap measure is above that one's; the last
    /// chapter is as large and as hard as the set promises.
    void chapter()
    {
        QFETCH(int, c);
        const Chapter chapter = chapterLevels(c);
        for (int n = chapter.first + 1; n <= chapter.last; ++n)
            QVERIFY2(traps(n - 1) <= traps(n), qPrintable(QStringLiteral("level %1").arg(n)));
        const double medianBits = medianTraps(chapter);
        const QByteArray bits = QByteArray::number(medianBits, 'f', 2) + " bits";
        if (c > 0) {
            QVERIFY(traps(chapter.first) < traps(chapter.first - 1));
            QVERIFY2(medianBits > medianTraps(chapterLevels(c - 1)), bits);
        }
        if (c == ChapterCount - 1) {
            QVERIFY2(medianBits >= LastChapterMedianTraps, bits);
            std::vector<double> platforms;
            for (int n = chapter.first; n <= chapter.last; ++n)
                platforms.push_back(analyses_[n - 1].platforms);
            QVERIFY(median(platforms) >= LastChapterMedianPlatforms);
            QVERIFY(*std::max_element(platforms.begin(), platforms.end()) >= LargestLevelAtLeast);
        }
    }

private:
    double traps(int n) const { return analyses_[n - 1].trapBits; }

    double medianTraps(const Chapter &chapter) const
    {
        std::vector<double> values;
        for (int n = chapter.first; n <= chapter.last; ++n)
            values.push_back(traps(n));
        return median(values);
    }

    std::vector<LevelRecord> levels_;
    std::vector<LevelAnalysis> analyses_;
};

QTEST_GUILESS_MAIN(TestShippedLevels)
#include "test_shipped_levels.moc"
