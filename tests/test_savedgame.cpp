// The saved-game file byte by byte: the written form, the two readers'
// handling of short and long files, failed saves and loads, and the names
// saves go to.

#include "game/savedgame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

#include <unistd.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// A table whose every flag differs, with negative, large and zero flags
/// and flags above any level count.
SolvedTable mixedTable()
{
    SolvedTable table;
    for (int level = 1; level <= MaxLevels; ++level)
        table[level] = (level % 7 == 0) ? 0 : (level % 2 ? 1 : -level) * level * 1000003;
    table[1] = 1;
    table[2] = -1;
    table[3] = std::numeric_limits<std::int32_t>::max();
    table[4] = std::numeric_limits<std::int32_t>::min();
    table[200] = 0x01020304;
    return table;
}

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    /** Levels 1 and 3 solved: 01 00 00 00, 00 00 00 00, 01 00 00 00 and
     *  788 zero bytes, written to disk as such. */
    void levelsOneAndThreeSolved()
    {
        SolvedTable table;
        table[1] = 1;
        table[3] = 1;
        QByteArray expected = QByteArray::fromHex("010000000000000001000000");
        expected.append(788, '\0');
        QVERIFY(writeSavedGame(path("one-and-three.zhx"), table));
        QCOMPARE(fileBytes(path("one-and-three.zhx")), expected);
    }

    /** Every flag is little-endian in its place, level 1 first, and reads
     *  back the same through both readers. */
    void roundTrip()
    {
        const SolvedTable table = mixedTable();
        const QString file = path("round-trip.zhx");
        QVERIFY(writeSavedGame(file, table));
        const QByteArray bytes = fileBytes(file);
        QCOMPARE(bytes.size(), SavedGameSize);
        QCOMPARE(bytes.mid(4, 12), QByteArray::fromHex("ffffffffffffff7f00000080"));
        QCOMPARE(bytes.mid(796, 4), QByteArray::fromHex("04030201"));
        QCOMPARE(readSavedGameForLoad(file), std::optional<SolvedTable>(table));
        const AutoLoadResult atStart = readSavedGameAtStart(file);
        QCOMPARE(atStart.status, AutoLoadStatus::Loaded);
        QCOMPARE(atStart.table, table);
    }

    /** Files of odd sizes, read by the load and by the start-up reader:
     *  which flags get which bytes. */
    void readersOnOddSizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("loadBytes");  // bytes a load takes; a fragment fills low-order bytes
        QTest::addColumn<int>("startBytes"); // bytes the start-up reader takes: whole flags only
        QTest::newRow("empty file") << 0 << 0 << 0;
        QTest::newRow("5 bytes: one flag and a fragment") << 5 << 5 << 4;
        QTest::newRow("3 bytes: only a fragment") << 3 << 3 << 0;
        QTest::newRow("799 bytes") << 799 << 799 << 796;
        QTest::newRow("801 bytes: the last byte is ignored") << 801 << 800 << 800;
        QTest::newRow("1000 bytes: the first 800 are read") << 1000 << 800 << 800;
    }

    void readersOnOddSizes()
    {
        QFETCH(int, size);
        QFETCH(int, loadBytes);
        QFETCH(int, startBytes);
        // Bytes 1, 2, 3, ... (wrapping at 256), so every byte is told apart from its neighbours.
        QByteArray content(size, '\0');
        for (int i = 0; i < size; ++i)
            content[i] = char(i + 1);
        const QString file = path(QStringLiteral("odd-%1.zhx").arg(size));
        QVERIFY(writeFileBytes(file, content));
        // What a reader should see: the bytes it takes, then zeros.
        const auto seen = [&](int taken) { return content.first(taken) + QByteArray(SavedGameSize - taken, '\0'); };

        const std::optional<SolvedTable> loaded = readSavedGameForLoad(file);
        QVERIFY(loaded);
        QCOMPARE(savedGameBytes(*loaded), seen(loadBytes));
        const AutoLoadResult atStart = readSavedGameAtStart(file);
        QCOMPARE(atStart.status, AutoLoadStatus::Loaded);
        QCOMPARE(savedGameBytes(atStart.table), seen(startBytes));
    }

    /** A save that cannot be made reports failure and leaves what was
     *  there before as it was. */
    void failedSaveKeepsOldFile()
    {
        const SolvedTable old = mixedTable();
        if (::geteuid() != 0) { // permissions do not bind root
            const QString folder = path("locked");
            QVERIFY(QDir().mkpath(folder));
            const QString file = folder + QStringLiteral("/old.zhx");
            QVERIFY(writeSavedGame(file, old));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            const bool saved = writeSavedGame(file, SolvedTable{});
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QVERIFY(!saved);
            QCOMPARE(fileBytes(file), savedGameBytes(old));
        }
        // A regular file in place of a folder, and a folder in place of the
        // file, stop everyone, root too.
        const QString notAFolder = path("plain-file");
        QVERIFY(writeFileBytes(notAFolder, "x"));
        QVERIFY(!writeSavedGame(notAFolder + QStringLiteral("/game.zhx"), old));
        QCOMPARE(fileBytes(notAFolder), QByteArray("x"));
        const QString folder = path("folder.zhx");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!writeSavedGame(folder, old));
        QVERIFY(QFileInfo(folder).isDir());
    }

    /** What cannot be opened as a file fails a load and, at start-up, is
     *  told apart from a path with nothing there, which is skipped. */
    void unreadablePaths()
    {
        const QString folder = path("a-folder.zhx");
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(readSavedGameForLoad(folder), std::nullopt);
        QCOMPARE(readSavedGameAtStart(folder).status, AutoLoadStatus::Unreadable);

        QCOMPARE(readSavedGameForLoad(path("missing.zhx")), std::nullopt);
        QCOMPARE(readSavedGameAtStart(path("missing.zhx")).status, AutoLoadStatus::Missing);
        QCOMPARE(readSavedGameAtStart(QString()).status, AutoLoadStatus::Missing);

        if (::geteuid() != 0) {
            const QString locked = path("locked.zhx");
            QVERIFY(writeSavedGame(locked, mixedTable()));
            QVERIFY(QFile::setPermissions(locked, {}));
            QCOMPARE(readSavedGameForLoad(locked), std::nullopt);
            const AutoLoadResult atStart = readSavedGameAtStart(locked);
            QCOMPARE(atStart.status, AutoLoadStatus::Unreadable);
            QCOMPARE(atStart.table, SolvedTable{});
        }
    }

    void extension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        QTest::newRow("other extension replaced") << "/home/p/game.sav" << "/home/p/game.zhx";
        QTest::newRow("no extension: added") << "/home/p/game" << "/home/p/game.zhx";
        QTest::newRow("already .zhx") << "/home/p/game.zhx" << "/home/p/game.zhx";
        QTest::newRow("upper-case extension replaced") << "/home/p/game.ZHX" << "/home/p/game.zhx";
        QTest::newRow("only the last extension") << "/home/p/game.tar.gz" << "/home/p/game.tar.zhx";
        QTest::newRow("trailing dot") << "/home/p/game." << "/home/p/game.zhx";
        QTest::newRow("dot in a folder name") << "/home/p.q/game" << "/home/p.q/game.zhx";
        QTest::newRow("leading-dot name") << "/home/p/.hoplix" << "/home/p/.hoplix.zhx";
        QTest::newRow("leading-dot name with extension") << "/home/p/.hoplix.sav" << "/home/p/.hoplix.zhx";
        QTest::newRow("bare name") << "game.sav" << "game.zhx";
        QTest::newRow("bare name without extension") << "game" << "game.zhx";
    }

    /** The name a save goes to. */
    void extension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        QCOMPARE(withSavedGameExtension(chosen), expected);
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "test_savedgame.moc"
