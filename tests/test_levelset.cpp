// Reading the level set file: whole records only, at most 200, and files
// that hold no usable level.
#include "asplayer.h"
#include "boardpicture.h"

#include <QTemporaryDir>
#include <QTest>

class TestLevelSet : public QObject {
    Q_OBJECT
private slots:
    void recordCounts_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("levels");
        QTest::addColumn<int>("error");
        QTest::newRow("empty file") << 0 << 0 << int(LevelSetError::TooShort);
        QTest::newRow("less than one record") << 65 << 0 << int(LevelSetError::TooShort);
        QTest::newRow("exactly one record") << 66 << 1 << int(LevelSetError::None);
        QTest::newRow("100 records and 30 bytes") << 6630 << 100 << int(LevelSetError::None);
        QTest::newRow("200 records") << 13200 << 200 << int(LevelSetError::None);
        QTest::newRow("201 records") << 13266 << 200 << int(LevelSetError::None);
    }

    void recordCounts()
    {
        QFETCH(int, bytes);
        const LevelSetReadResult result = parseLevelSet(QByteArray(bytes, '\0'));
        QTEST(int(result.levels.size()), "levels");
        QTEST(int(result.error), "error");
    }

    void recordFieldsAtTheirOffsets()
    {
        QByteArray bytes(2 * LevelRecordSize, '\0');
        bytes[LevelRecordSize + 21] = 9; // level 2: column 2, row 5
        bytes[LevelRecordSize + 64] = 2;
        bytes[LevelRecordSize + 65] = 5;
        const LevelSetReadResult result = parseLevelSet(bytes);
        QCOMPARE(int(result.levels.size()), 2);
        const Board board = loadBoard(result.levels[1]);
        QVERIFY(board.hasPlatform(2, 5));
        QCOMPARE(board.platformCount(), 1);
        QCOMPARE(board.heroColumn, 2);
        QCOMPARE(board.heroRow, 5);
    }

    void startOutsideTheBoardIsRefused()
    {
        QByteArray bytes(3 * LevelRecordSize, '\0');
        bytes[2 * LevelRecordSize + 65] = 8; // level 3 starts in row 8
        const LevelSetReadResult result = parseLevelSet(bytes);
        QCOMPARE(result.error, LevelSetError::StartOutside);
        QCOMPARE(result.badLevel, 3);
        QVERIFY(result.levels.empty());

        // A bad record after the 200th is never read, so it cannot spoil the set.
        QByteArray long_(201 * LevelRecordSize, '\0');
        long_[200 * LevelRecordSize + 64] = char(200);
        QCOMPARE(parseLevelSet(long_).error, LevelSetError::None);
    }

    void missingFileCannotBeOpened()
    {
        QTemporaryDir dir;
        QCOMPARE(readLevelSet(dir.filePath("zhop.dat")).error, LevelSetError::CannotOpen);
        QCOMPARE(readLevelSet(dir.path()).error, LevelSetError::CannotOpen); // a folder is no file
    }

    void roundTrip()
    {
        const std::vector<LevelRecord> levels{levelFromPicture({"H#"}),
                                              levelFromPicture({"", "..#", "", "##H.#", "..#", "..#"})};
        QTemporaryDir dir;
        // A fragment after the last record is ignored.
        QVERIFY(put(dir.filePath("zhop.dat"), Put::File, serializeLevelSet(levels) + "tail"));
        const LevelSetReadResult result = readLevelSet(dir.filePath("zhop.dat"));
        QCOMPARE(result.error, LevelSetError::None);
        QVERIFY(result.levels == levels);
    }
};

QTEST_APPLESS_MAIN(TestLevelSet)
#include "test_levelset.moc"
