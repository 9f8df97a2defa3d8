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

/// Bytes 1, 2, 3, ... (wrapping at 256), so every byte of a file is told
/// apart from its neighbours.
QByteArray countingBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i + 1);
    return bytes;
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

SolvedTable tableWithAllFlags(std::int32_t flag)
{
    SolvedTable table;
    table.flags.fill(flag);
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
        QCOMPARE(savedGameBytes(table), expected);

        QVERIFY(writeSavedGame(path("one-and-three.zhx"), table));
        QCOMPARE(fileBytes(path("one-and-three.zhx")), expected);
    }

    /** Every flag is little-endian in its place, level 1 first. */
    void flagsAreLittleEndianInOrder()
    {
        const QByteArray bytes = savedGameBytes(mixedTable());
        QCOMPARE(bytes.size(), SavedGameSize);
        QCOMPARE(bytes.mid(4, 4), QByteArray::fromHex("ffffffff"));
        QCOMPARE(bytes.mid(8, 4), QByteArray::fromHex("ffffff7f"));
        QCOMPARE(bytes.mid(12, 4), QByteArray::fromHex("00000080"));
        QCOMPARE(bytes.mid(796, 4), QByteArray::fromHex("04030201"));
    }

    /** Whatever the flags, a file saved reads back the same through both
     *  readers. */
    void roundTrip_data()
    {
        QTest::addColumn<SolvedTable>("table");
        QTest::newRow("nothing solved") << SolvedTable{};
        QTest::newRow("negative, large and high-level flags") << mixedTable();
        QTest::newRow("every flag -1") << tableWithAllFlags(-1);
    }

    void roundTrip()
    {
        QFETCH(SolvedTable, table);
        const QString file = path("round-trip.zhx");
        QVERIFY(writeSavedGame(file, table));
        QCOMPARE(fileBytes(file), savedGameBytes(table));
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
        QTest::addColumn<int>("loadFlags");      // flags filled from the file by a load
        QTest::addColumn<int>("loadFragment");   // low-order bytes of the next flag filled
        QTest::addColumn<int>("startFlags");     // flags filled by the start-up reader
        QTest::newRow("empty file") << 0 << 0 << 0 << 0;
        QTest::newRow("5 bytes: one flag and a fragment") << 5 << 1 << 1 << 1;
        QTest::newRow("3 bytes: only a fragment") << 3 << 0 << 3 << 0;
        QTest::newRow("799 bytes") << 799 << 199 << 3 << 199;
        QTest::newRow("801 bytes: the last byte is ignored") << 801 << 200 << 0 << 200;
        QTest::newRow("1000 bytes: the first 800 are read") << 1000 << 200 << 0 << 200;
    }

    void readersOnOddSizes()
    {
        QFETCH(int, size);
        QFETCH(int, loadFlags);
        QFETCH(int, loadFragment);
        QFETCH(int, startFlags);
        const QByteArray content = countingBytes(size);
        const QString file = path(QStringLiteral("odd-%1.zhx").arg(size));
        QVERIFY(writeFileBytes(file, content));

        // What each reader should see: the bytes it takes, then zeros.
        QByteArray loadView = content.first(loadFlags * 4 + loadFragment);
        loadView.append(SavedGameSize - loadView.size(), '\0');
        QByteArray startView = content.first(startFlags * 4);
        startView.append(SavedGameSize - startView.size(), '\0');

        const std::optional<SolvedTable> loaded = readSavedGameForLoad(file);
        QVERIFY(loaded);
        QCOMPARE(savedGameBytes(*loaded), loadView);

        const AutoLoadResult atStart = readSavedGameAtStart(file);
        QCOMPARE(atStart.status, AutoLoadStatus::Loaded);
        QCOMPARE(savedGameBytes(atStart.table), startView);
    }

    /** A save that cannot be made reports failure and leaves the file that
     *  was there before as it was. */
    void failedSaveKeepsOldFile()
    {
        const QString folder = path("locked");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/old.zhx");
        const SolvedTable old = tableWithAllFlags(1);
        QVERIFY(writeSavedGame(file, old));

        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const bool permissionsBind = !QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
        const bool saved = writeSavedGame(file, SolvedTable{});
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (permissionsBind) {
            QVERIFY(!saved);
            QCOMPARE(fileBytes(file), savedGameBytes(old));
        }

        // A regular file in place of a folder stops everyone, root too.
        const QString notAFolder = path("plain-file");
        QVERIFY(writeFileBytes(notAFolder, "x"));
        QVERIFY(!writeSavedGame(notAFolder + QStringLiteral("/game.zhx"), old));
        QCOMPARE(fileBytes(notAFolder), QByteArray("x"));
    }

    /** A save onto a path that is a folder fails and the folder stays. */
    void saveOntoFolderFails()
    {
        const QString folder = path("folder.zhx");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!writeSavedGame(folder, SolvedTable{}));
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
            QVERIFY(writeSavedGame(locked, tableWithAllFlags(1)));
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
