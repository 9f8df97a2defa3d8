// A settings file of any bytes, as a player's editor or a broken disk may
// leave it: the game's four values and the window's placement are read as at
// start-up (a value of the wrong type may fail with the store's own error,
// nothing else may), written back as at the close, and must then read back
// as written.

#include "fuzzcheck.h"

#include "game/progress.h"
#include "settings/gamesettings.h"
#include "settings/placementsetting.h"

#include <QCoreApplication>

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
    GameSettings settings(store, [](const SettingsError &) {});
    const GameSettings::Values read{settings.sound(), settings.level(MaxLevels), settings.tongue(),
                                    settings.savedGame()};
    try {
        PlacementSetting(store).read();
    } catch (const SettingsError &) {
    }
    FUZZ_CHECK(!settings.save(read));

    const SettingsStore again(path);
    const QString &section = GameSettings::Section;
    FUZZ_CHECK(again.ReadBool(section, GameSettings::SoundKey, !read.sound) == read.sound);
    FUZZ_CHECK(again.ReadInteger(section, GameSettings::LevelKey, ~read.level) == read.level);
    FUZZ_CHECK(again.ReadInteger(section, GameSettings::TongueKey, ~read.tongue) == read.tongue);
    FUZZ_CHECK(again.ReadString(section, GameSettings::SaveKey, read.savedGame + QLatin1Char('x')) == read.savedGame);
    QFile::remove(path);
    return 0;
}
