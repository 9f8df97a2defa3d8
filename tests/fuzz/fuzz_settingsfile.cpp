// A settings file of any bytes, as a player's editor or a broken disk may
// leave it: the game's four values are read as at start-up (a value of the
// wrong type may fail with the store's own error, nothing else may), written
// back as at the close, and must then read back as written.

#include "fuzzcheck.h"

#include "settings/settingserror.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>

namespace {

const QString Common = QStringLiteral("common");

template <typename T, typename Read>
T readOrDefault(Read read, T fallback)
{
    try {
        return read();
    } catch (const SettingsError &) {
        return fallback;
    }
}

} // namespace

// Qt reads a value written as "@Variant(...)" as a serialised value of any
// type, and a list in there may announce billions of entries: Qt then asks
// for that much memory up front. The platform's allocator refuses (or only
// reserves it) and Qt reads on; AddressSanitizer's would end the run
// instead. Let it refuse as the platform does, so that what Qt does next is
// what gets tested.
extern "C" const char *__asan_default_options()
{
    return "allocator_may_return_null=1";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A new name for every input: Qt keeps what it read of a settings file
    // in memory and would take an old file's values for this one's.
    static int count = 0;
    const QString path = inputFile(QStringLiteral("V1-%1.ini").arg(++count), data, size);

    SettingsStore store(path);
    const qint32 tongue = readOrDefault([&] { return store.ReadInteger(Common, "tongue", -1); }, -1);
    const qint32 level = readOrDefault([&] { return store.ReadInteger(Common, "level", 1); }, 1);
    const QString save = readOrDefault([&] { return store.ReadString(Common, "save", QString()); }, QString());
    const bool sound = readOrDefault([&] { return store.ReadBool(Common, "sound", true); }, true);
    readOrDefault([&] { return store.ReadString(Common, "MainForm", QString()); }, QString());

    store.WriteBool(Common, "sound", sound);
    store.WriteInteger(Common, "level", level);
    store.WriteInteger(Common, "tongue", tongue);
    store.WriteString(Common, "save", save);

    const SettingsStore again(path);
    FUZZ_CHECK(again.ReadBool(Common, "sound", !sound) == sound);
    FUZZ_CHECK(again.ReadInteger(Common, "level", ~level) == level);
    FUZZ_CHECK(again.ReadInteger(Common, "tongue", ~tongue) == tongue);
    FUZZ_CHECK(again.ReadString(Common, "save", save + QLatin1Char('x')) == save);
    QFile::remove(path);
    return 0;
}
