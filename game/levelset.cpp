#include "game/levelset.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

LevelSetReadResult parseLevelSet(const QByteArray &bytes)
{
    LevelSetReadResult result;
    const int count = std::min<qsizetype>(bytes.size() / LevelRecordSize, MaxLevels);
    if (count == 0) {
        result.error = LevelSetError::TooShort;
        return result;
    }
    result.levels.resize(count);
    for (int n = 0; n < count; ++n) {
        const auto *raw = reinterpret_cast<const std::uint8_t *>(bytes.constData()) + n * LevelRecordSize;
        LevelRecord &record = result.levels[n];
        std::copy_n(raw, CellCount, record.cells.begin());
        record.startColumn = raw[CellCount];
        record.startRow = raw[CellCount + 1];
        // A start outside the board would put the hero on no cell at all.
        if (record.startColumn >= BoardSide || record.startRow >= BoardSide) {
            result.levels.clear();
            result.error = LevelSetError::StartOutside;
            result.badLevel = n + 1;
            return result;
        }
    }
    return result;
}

LevelSetReadResult readLevelSet(const QString &path)
{
    // Only a regular file is opened: a named pipe would keep the game
    // waiting before its window ever shows.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        LevelSetReadResult result;
        result.error = LevelSetError::CannotOpen;
        return result;
    }
    // Never more than 200 records are read, so a huge file costs nothing.
    const QByteArray bytes = file.read(qint64(MaxLevels) * LevelRecordSize);
    if (file.error() != QFileDevice::NoError) {
        LevelSetReadResult result;
        result.error = LevelSetError::CannotOpen;
        return result;
    }
    return parseLevelSet(bytes);
}

QByteArray serializeLevelSet(const std::vector<LevelRecord> &levels)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(levels.size()) * LevelRecordSize);
    for (const LevelRecord &record : levels) {
        bytes.append(reinterpret_cast<const char *>(record.cells.data()), CellCount);
        bytes.append(char(record.startColumn));
        bytes.append(char(record.startRow));
    }
    return bytes;
}
