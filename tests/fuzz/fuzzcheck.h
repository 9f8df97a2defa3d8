#pragma once
// What the fuzz targets share: a property of the game that must hold for any
// input; when it breaks, the run ends with the property named, and libFuzzer
// keeps the input that broke it. And the input as a file on disk, for the
// readers of the player's files.

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "FUZZ CHECK failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                   \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

/// Writes the input to a file of this name, in a folder removed with
/// everything in it when the run ends, and gives its path.
inline QString inputFile(const QString &name, const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    QFile file(folder.filePath(name));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    return file.fileName();
}
