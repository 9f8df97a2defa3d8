// The saved-game file byte by byte: the written form, the two readers'
// handling of short and long files, failed saves and loads, and the names
// saves go to.

#include "game/savedgame.h"
#include "game/unsavedprogress.h"

#include "asplayer.h"

#include <QTemporaryDir>

#include <csignal>
#include <cstdint>
#include <limits>
#include <optional>

#include <sys/mount.h>
#include <sys/resource.h>

namespace {

/// A table whose every flag differs, with negative, large and zero flags
/// and flags above any level count.
SolvedTable mixedTable()
{
    SolvedTable table;
    for (int level = 1; level <= MaxLevels; ++level) {
        // Worked out unsigned, where a product past 2^32 wraps, as signed
        // arithmetic may not.
        const std::uint32_t magnitude = std::uint32_t(level) * std::uint32_t(level) * 1000003u;
        table[level] = (level % 7 == 0) ? 0 : std::int32_t(level % 2 ? magnitude : 0u - magnitude);
    }
    table[1] = 1;
    table[2] = -1;
    table[3] = std::numeric_limits<std::int32_t>::max();
    table[4] = std::numeric_limits<std::int32_t>::min();
    table[200] = 0x01020304;
    return table;
}

/// A tmpfs of 16 KiB mounted over a folder while it lives: a disk that can
/// really be filled. Mounting needs root.
struct SmallDisk {
    QString folder;
    QString failure;

    explicit SmallDisk(const QString &where) : folder(where)
    {
        if (::geteuid() != 0)
            failure = QStringLiteral("mounting a small disk needs root");
        else if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") != 0)
            failure = QStringLiteral("cannot mount a small disk: ") + QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (failure.isEmpty())
            ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    }
    /// Fills the disk to the last byte.
    void fill() const
    {
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
    }
};

/// While it lives, no file of this process may grow past the given size: a
/// write beyond it fails as a full disk does, for any user.
class FileSizeLimitOf {
public:
    explicit FileSizeLimitOf(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        const rlimit limit{bytes, m_old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimitOf()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }

private:
    rlimit m_old{};
    void (*m_oldSignal)(int) = nullptr;
};

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    enum Place {
        LockedFolder,
        LockedFolderAndFile,
        FullDisk,
        FileSizeLimit,
        FileForFolder,
        FolderForFile,
        PipeForFile
    };

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

    /** The file of progress not saved follows the progress: written while it
     *  differs from the saved game, gone while it does not, written again
     *  when it differs again; taken whole at the next start. */
    void unsavedProgressFollowsTheProgress()
    {
        const QString file = path("data/unsaved.zhx");
        UnsavedProgress unsaved(file);
        SolvedTable saved, cleared;
        saved[1] = 1;
        unsaved.setSaved(saved);
        QString problem;
        QVERIFY(!unsaved.take(&problem) && problem.isEmpty());
        QVERIFY(unsaved.keep(cleared) && fileBytes(file) == savedGameBytes(cleared));
        QVERIFY(unsaved.keep(saved) && !QFile::exists(file));
        QVERIFY(unsaved.keep(cleared) && fileBytes(file) == savedGameBytes(cleared));
        UnsavedProgress next(file);
        QCOMPARE(next.take(&problem), std::optional<SolvedTable>(cleared));
        QVERIFY(next.discard() && !QFile::exists(file));
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
        QTest::newRow("4 bytes: one flag") << 4 << 4 << 4;
        QTest::newRow("799 bytes") << 799 << 799 << 796;
        QTest::newRow("800 bytes") << 800 << 800 << 800;
        QTest::newRow("801 bytes: the last byte is ignored") << 801 << 800 << 800;
        QTest::newRow("1000 bytes: the first 800 are read") << 1000 << 800 << 800;
        QTest::newRow("100,000 bytes: the first 800 are read") << 100000 << 800 << 800;
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
        QVERIFY(put(file, Put::File, content));
        // What a reader should see: the bytes it takes, then zeros.
        const auto seen = [&](int taken) { return content.first(taken) + QByteArray(SavedGameSize - taken, '\0'); };

        const std::optional<SolvedTable> loaded = readSavedGameForLoad(file);
        QVERIFY(loaded);
        QCOMPARE(savedGameBytes(*loaded), seen(loadBytes));
        const AutoLoadResult atStart = readSavedGameAtStart(file);
        QCOMPARE(atStart.status, AutoLoadStatus::Loaded);
        QCOMPARE(savedGameBytes(atStart.table), seen(startBytes));
    }

    void failedSaveKeepsOldFile_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<bool>("saved");
        QTest::newRow("locked folder, writable save: written in place") << int(LockedFolder) << true;
        QTest::newRow("locked folder, locked save") << int(LockedFolderAndFile) << false;
        QTest::newRow("disk full") << int(FullDisk) << false;
        QTest::newRow("file size limit reached") << int(FileSizeLimit) << false;
        QTest::newRow("a plain file where the folder belongs") << int(FileForFolder) << false;
        QTest::newRow("a folder where the save belongs") << int(FolderForFile) << false;
        QTest::newRow("a named pipe where the save belongs") << int(PipeForFile) << false;
    }

    /** A save either writes all 800 bytes or reports failure and leaves
     *  what was there before exactly as it was. */
    void failedSaveKeepsOldFile()
    {
        QFETCH(int, place);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        AsPlayer player({dir.path()}, place == LockedFolder || place == LockedFolderAndFile);
        REQUIRE_PLAYER(player);
        const QString folder = dir.filePath("saves");
        QVERIFY(QDir().mkpath(folder));
        QString file = folder + QStringLiteral("/old.zhx");
        const SolvedTable old = mixedTable();
        SolvedTable next;
        next[7] = 1;
        std::optional<QByteArray> before = savedGameBytes(old);

        std::optional<SmallDisk> disk;
        switch (Place(place)) {
        case LockedFolder:
        case LockedFolderAndFile:
            QVERIFY(writeSavedGame(file, old));
            if (place == LockedFolderAndFile)
                QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
            QVERIFY(put(folder, Put::LockedFolder));
            break;
        case FullDisk:
            disk.emplace(folder);
            if (!disk->failure.isEmpty())
                CANNOT_RUN(disk->failure + QStringLiteral("; the file size limit row tries a failed write"));
            QVERIFY(writeSavedGame(file, old));
            disk->fill();
            break;
        case FileSizeLimit: QVERIFY(writeSavedGame(file, old)); break;
        case FileForFolder:
            QVERIFY(put(folder + QStringLiteral("/plain"), Put::File, "x"));
            file = folder + QStringLiteral("/plain/game.zhx");
            before = std::nullopt;
            break;
        case FolderForFile:
        case PipeForFile:
            QVERIFY(put(file, place == PipeForFile ? Put::Pipe : Put::Folder));
            before = std::nullopt;
            break;
        }

        std::optional<FileSizeLimitOf> limit;
        if (place == FileSizeLimit)
            limit.emplace(100);
        const bool written = writeSavedGame(file, next);
        limit.reset();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(written, saved);
        if (saved)
            QCOMPARE(fileBytes(file), savedGameBytes(next));
        else if (before)
            QCOMPARE(fileBytes(file), *before);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("old.zhx.")), QStringList());
        if (place == FolderForFile)
            QVERIFY(QFileInfo(file).isDir());
        if (place == PipeForFile)
            QCOMPARE(QFileInfo(file).isFile(), false);
    }

    void unreadablePaths_data()
    {
        QTest::addColumn<Put>("what");
        QTest::addColumn<QString>("name"); // of the file in a folder of its own
        QTest::addColumn<int>("atStart");
        const int missing = int(AutoLoadStatus::Missing);
        QTest::newRow("nothing there: skipped") << Put::Nothing << "game.zhx" << missing;
        QTest::newRow("no path at all: skipped") << Put::Nothing << "" << missing;
        QTest::newRow("a folder: skipped") << Put::Folder << "game.zhx" << missing;
        QTest::newRow("a named pipe: skipped, never opened") << Put::Pipe << "game.zhx" << missing;
        QTest::newRow("a file the player may not read")
            << Put::UnreadableFile << "game.zhx" << int(AutoLoadStatus::Unreadable);
    }

    /** Only a regular file counts as a saved game being there: anything else
     *  reads nothing and is skipped at start-up as a missing file is, while
     *  a file that cannot be read is told apart. */
    void unreadablePaths()
    {
        QFETCH(Put, what);
        QFETCH(QString, name);
        QTemporaryDir dir;
        AsPlayer player({dir.path()}, what == Put::UnreadableFile);
        REQUIRE_PLAYER(player);
        const QString file = name.isEmpty() ? QString() : dir.filePath(name);
        QVERIFY(name.isEmpty() || put(file, what, savedGameBytes(mixedTable())));
        QCOMPARE(readSavedGameForLoad(file), std::nullopt);
        const AutoLoadResult result = readSavedGameAtStart(file);
        QTEST(int(result.status), "atStart");
        QCOMPARE(result.table, SolvedTable{});
    }

    void extension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        QTest::newRow("other extension replaced") << "/home/p/game.sav"
                                                  << "/home/p/game.zhx";
        QTest::newRow("no extension: added") << "/home/p/game"
                                             << "/home/p/game.zhx";
        QTest::newRow("already .zhx") << "/home/p/game.zhx"
                                      << "/home/p/game.zhx";
        QTest::newRow("upper-case extension replaced") << "/home/p/game.ZHX"
                                                       << "/home/p/game.zhx";
        QTest::newRow("only the last extension") << "/home/p/game.tar.gz"
                                                 << "/home/p/game.tar.zhx";
        QTest::newRow("trailing dot") << "/home/p/game."
                                      << "/home/p/game.zhx";
        QTest::newRow("dot in a folder name") << "/home/p.q/game"
                                              << "/home/p.q/game.zhx";
        QTest::newRow("leading-dot name") << "/home/p/.hoplix"
                                          << "/home/p/.hoplix.zhx";
        QTest::newRow("leading-dot name with extension") << "/home/p/.hoplix.sav"
                                                         << "/home/p/.hoplix.zhx";
        QTest::newRow("bare name") << "game.sav"
                                   << "game.zhx";
        QTest::newRow("bare name without extension") << "game"
                                                     << "game.zhx";
    }

    /** The name a save goes to. */
    void extension()
    {
        QFETCH(QString, chosen);
        QTEST(withSavedGameExtension(chosen), "expected");
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "test_savedgame.moc"
