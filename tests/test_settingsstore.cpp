// The settings store against a private config folder: defaults, the text
// forms on disk, the integer reader's rules and the German failures.

#include "settings/gamesettings.h"
#include "settings/settingserror.h"
#include "settings/settingsstore.h"

#include "asplayer.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>
#include <memory>
#include <optional>

namespace {

const QString &Common = GameSettings::Section;
/// The line that opens the game's section, followed by lines.
QByteArray section(const QByteArray &lines)
{
    return '[' + Common.toUtf8() + "]\n" + lines;
}
const QString CannotCreate = QStringLiteral(u"Erzeugung von Schlüssel common misslungen");

/// Runs call and returns the message of the SettingsError it throws, or
/// nothing when it throws none.
template <typename Call>
std::optional<QString> settingsErrorOf(Call call)
{
    try {
        call();
    } catch (const SettingsError &error) {
        return error.message();
    }
    return std::nullopt;
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;
    QString m_iniPath;

    QString programFolder() const { return QFileInfo(m_iniPath).path(); }
    const QString &iniPath() const { return m_iniPath; }

    void writeIniText(const QByteArray &text) { QVERIFY(put(iniPath(), Put::File, text)); }

    QStringList configEntries() const
    {
        return QDir(m_config->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        QVERIFY(m_config->isValid());
        m_iniPath = useSettingsFolder(m_config->path());
    }

    void cleanup()
    {
        // A test may leave a folder read-only; the temporary folder must go.
        QFile::setPermissions(programFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_config.reset();
    }

    /** A first run finds nothing: every read gives its default and leaves
     *  the config folder as empty as it found it. */
    void freshConfigReadsDefaultsAndCreatesNothing()
    {
        const SettingsStore store;
        QCOMPARE(store.ReadInteger(Common, "tongue", -1), -1);
        QCOMPARE(store.ReadString(Common, "MainForm", QStringLiteral("none")), QStringLiteral("none"));
        QCOMPARE(store.ReadBool(Common, "sound", true), true);
        QCOMPARE(store.ReadBool(Common, "sound", false), false);
        QVERIFY2(configEntries().isEmpty(), qPrintable(configEntries().join(", ")));
    }

    /** The values of a German game at level 12 with sound off land as text
     *  under [common] in V1.ini below the config folder, and read back as
     *  written; a store given its own file keeps its values there. */
    void writesTextValuesUnderCommon()
    {
        const QString save = QStringLiteral("/home/p/Spiele, alt/mein spiel.zhx");
        {
            SettingsStore store;
            store.WriteBool(Common, "sound", false);
            store.WriteInteger(Common, "level", 12);
            store.WriteInteger(Common, "negative", -1);
            store.WriteString(Common, "save", save);
        }
        const QString text = QString::fromUtf8(fileBytes(iniPath()));
        QVERIFY2(text.startsWith(QString::fromUtf8(section(""))), qPrintable(text));
        for (const char *line : {"sound=0\n", "level=12\n", "negative=-1\n"})
            QVERIFY2(text.contains(QLatin1String(line)), line);

        const SettingsStore other;
        QCOMPARE(other.ReadBool(Common, "sound", true), false);
        QCOMPARE(other.ReadInteger(Common, "level", 1), 12);
        QCOMPARE(other.ReadInteger(Common, "negative", 0), -1);
        QCOMPARE(other.ReadString(Common, "save", QString()), save);

        const QString path = m_config->filePath(QStringLiteral("own/test.ini"));
        SettingsStore own(path);
        QCOMPARE(own.location(), path);
        own.WriteInteger(Common, "level", 200);
        QCOMPARE(SettingsStore(path).ReadInteger(Common, "level", 1), 200);
        QCOMPARE(other.ReadInteger(Common, "level", 1), 12);
    }

    void parseInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint32>>("expected");
        const std::optional<qint32> none;
        QTest::newRow("word") << "abc" << none;
        QTest::newRow("empty text") << "" << none;
        QTest::newRow("blanks only") << "  " << none;
        QTest::newRow("zero") << "0" << std::optional<qint32>(0);
        QTest::newRow("leading blanks") << " 12" << std::optional<qint32>(12);
        QTest::newRow("leading tab") << "\t7" << std::optional<qint32>(7);
        QTest::newRow("trailing blank") << "12 " << none;
        QTest::newRow("trailing letter") << "12a" << none;
        QTest::newRow("blank after sign") << "- 5" << none;
        QTest::newRow("minus one") << "-1" << std::optional<qint32>(-1);
        QTest::newRow("plus sign") << "+5" << std::optional<qint32>(5);
        QTest::newRow("sign alone") << "-" << none;
        QTest::newRow("two signs") << "--5" << none;
        QTest::newRow("leading zeros") << "000000000000012" << std::optional<qint32>(12);
        QTest::newRow("dollar hex") << "$1F" << std::optional<qint32>(31);
        QTest::newRow("x hex lower digits") << "xff" << std::optional<qint32>(255);
        QTest::newRow("X hex") << "X10" << std::optional<qint32>(16);
        QTest::newRow("0x hex") << "0x10" << std::optional<qint32>(16);
        QTest::newRow("0X hex") << "0XaB" << std::optional<qint32>(171);
        QTest::newRow("hex digit without prefix") << "1F" << none;
        QTest::newRow("0x alone") << "0x" << none;
        QTest::newRow("dollar alone") << "$" << none;
        QTest::newRow("double prefix") << "0x$1" << none;
        QTest::newRow("blanks before sign and hex") << "  -$1F" << std::optional<qint32>(-31);
        QTest::newRow("highest") << "2147483647" << std::optional<qint32>(2147483647);
        QTest::newRow("one above highest") << "2147483648" << none;
        QTest::newRow("lowest") << "-2147483648" << std::optional<qint32>(-2147483647 - 1);
        QTest::newRow("one below lowest") << "-2147483649" << none;
        QTest::newRow("far too many digits") << "99999999999999999999999" << none;
        QTest::newRow("highest in hex") << "0x7FFFFFFF" << std::optional<qint32>(2147483647);
        QTest::newRow("hex above highest") << "0x80000000" << none;
        QTest::newRow("lowest in hex, sign before prefix") << "-0x80000000" << std::optional<qint32>(-2147483647 - 1);
        QTest::newRow("arabic-indic digit") << QStringLiteral(u"\u0661") << none;
    }

    /** The integer reader's own rules, case by case. */
    void parseInteger()
    {
        QFETCH(QString, text);
        QTEST(SettingsStore::parseInteger(text), "expected");
    }

    void readStoredText_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<qint32>("defaultValue"); // 0 or 1, as ReadBool's
        QTest::addColumn<qint32>("expected");
        QTest::newRow("word reads the default 1") << QByteArray("level=abc") << 1 << 1;
        QTest::newRow("word reads the default 0") << QByteArray("level=abc") << 0 << 0;
        QTest::newRow("empty text reads the default") << QByteArray("level=") << 1 << 1;
        QTest::newRow("zero is read, not the default") << QByteArray("level=0") << 1 << 0;
        QTest::newRow("2 is read and true") << QByteArray("level=2") << 0 << 2;
        QTest::newRow("-1 is read and true") << QByteArray("level=-1") << 0 << -1;
        QTest::newRow("quoted text") << QByteArray("level=\"17\"") << 0 << 17;
        QTest::newRow("comma list is no integer") << QByteArray("level=1,2") << 0 << 0;
        QTest::newRow("other section only") << QByteArray("[other]\nlevel=5") << 0 << 0;
    }

    /** What a hand-edited or foreign file holds is read by the same rules,
     *  and ReadBool is true exactly when ReadInteger gives no 0. */
    void readStoredText()
    {
        QFETCH(QByteArray, line);
        QFETCH(qint32, defaultValue);
        QFETCH(qint32, expected);
        writeIniText(line.startsWith('[') ? line + "\n" : section(line + "\n"));
        QCOMPARE(SettingsStore().ReadInteger(Common, "level", defaultValue), expected);
        QCOMPARE(SettingsStore().ReadBool(Common, "level", defaultValue != 0), expected != 0);
    }

    /** A hand-edited file: a value of another type than text cannot be
     *  read, but an integer written over it replaces it with text; an
     *  unquoted value with commas, as a player may type the placement,
     *  reads as the text it is and outlives the write. */
    void handEditedFile()
    {
        writeIniText(section("level=@ByteArray(abc)\nMainForm=200,0,1,640,480,3,4\n"));
        SettingsStore store;
        const QString badType = QStringLiteral(u"Ungültiger Datentyp für 'level'");
        QCOMPARE(settingsErrorOf([&] { store.ReadInteger(Common, "level", 1); }), badType);
        QCOMPARE(settingsErrorOf([&] { store.ReadString(Common, "level", QString()); }), badType);
        store.WriteInteger(Common, "level", 5);
        QCOMPARE(store.ReadInteger(Common, "level", 1), 5);
        QVERIFY(fileBytes(iniPath()).contains("level=5\n"));
        QCOMPARE(store.ReadString(Common, "MainForm", QString()), QStringLiteral("200,0,1,640,480,3,4"));
    }

    /** Deleting removes just that value; deleting what is not there is no
     *  failure and creates nothing. */
    void deleteValue()
    {
        SettingsStore store;
        store.DeleteValue(Common, "MainFormColor");
        QVERIFY(configEntries().isEmpty());

        store.WriteString(Common, "MainForm", QStringLiteral("1,2,3"));
        store.WriteString(Common, "MainFormFont", QStringLiteral("Arial"));
        store.DeleteValue(Common, "MainFormFont");
        store.DeleteValue(Common, "MainFormColor");
        QCOMPARE(store.ReadString(Common, "MainFormFont", QStringLiteral("gone")), QStringLiteral("gone"));
        QCOMPARE(store.ReadString(Common, "MainForm", QString()), QStringLiteral("1,2,3"));
    }

    /** A file where the settings folder belongs: reads find nothing, a write
     *  cannot create the section. */
    void fileInPlaceOfFolder()
    {
        QVERIFY(put(m_config->filePath(QStringLiteral("ZorbixGames")), Put::File));
        SettingsStore store;
        QCOMPARE(store.ReadInteger(Common, "level", 1), 1);
        QCOMPARE(settingsErrorOf([&] { store.WriteInteger(Common, "level", 3); }), CannotCreate);
        QCOMPARE(settingsErrorOf([&] { store.WriteString(Common, "save", QString()); }), CannotCreate);
    }

    void oddPlaces_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<std::optional<QString>>("readError"); // of the first read only
        QTest::addColumn<qint32>("level");                     // what every read gives
        QTest::newRow("read-only settings file") << false << std::optional<QString>() << 4;
        QTest::newRow("a named pipe in place of the file, never opened")
            << true << std::optional(QStringLiteral(u"Fehler beim Holen der Daten für 'level'")) << 1;
    }

    /** Settings that cannot be read say so at the first read only, and every
     *  read then takes its default; settings that cannot be written fail
     *  writes and keep what they hold. (The other odd settings files are
     *  tried through the whole game, in test_mainwindow.) */
    void oddPlaces()
    {
        QFETCH(bool, pipe);
        QFETCH(qint32, level);
        AsPlayer player({m_config->path()}, !pipe);
        REQUIRE_PLAYER(player);
        QVERIFY(put(iniPath(), pipe ? Put::Pipe : Put::ReadOnlyFile, section("level=4\n")));
        SettingsStore store;
        QTEST(settingsErrorOf([&] { store.ReadInteger(Common, "level", 1); }), "readError");
        QCOMPARE(store.ReadInteger(Common, "level", 1), level);
        QCOMPARE(settingsErrorOf([&] { store.WriteInteger(Common, "level", 3); }), std::optional(CannotCreate));
        QCOMPARE(store.ReadInteger(Common, "level", 1), level);
    }

    /** A write that fails only as the file is written (a full disk; here a
     *  file size limit, which needs no privilege) fails, the old file whole. */
    void writeCutShortFails()
    {
        writeIniText(section("level=4\n"));
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit old = limit;
        limit.rlim_cur = 20;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const auto error = settingsErrorOf([] { SettingsStore().WriteString(Common, "save", QString(99, u'x')); });
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(error, std::optional(QStringLiteral(u"Fehler beim Setzen der Daten für 'save'")));
        QCOMPARE(SettingsStore().ReadInteger(Common, "level", 1), 4);
    }

    /** Deletes where the settings cannot be written fail, and a delete
     *  where there is no settings file finds nothing to remove. */
    void deleteInOddPlaces()
    {
        {
            AsPlayer player({m_config->path()});
            REQUIRE_PLAYER(player);
            writeIniText(section("MainFormFont=x\n"));
            QVERIFY(put(programFolder(), Put::LockedFolder));
            QCOMPARE(settingsErrorOf([] { SettingsStore().DeleteValue(Common, "MainFormFont"); }), CannotCreate);
            QVERIFY(QFile::setPermissions(programFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QVERIFY(QFile::remove(iniPath()));
        }
        QVERIFY(put(iniPath(), Put::Folder));
        QCOMPARE(settingsErrorOf([] { SettingsStore().DeleteValue(Common, "MainFormFont"); }), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
