#pragma once
// The level set: up to 200 levels read from the file "zhop.dat" that lies
// beside the program.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

constexpr int BoardSide = 8;
constexpr int CellCount = BoardSide * BoardSide;
constexpr int LevelRecordSize = CellCount + 2;
constexpr int MaxLevels = 200;

/// One level as stored in the file: 64 cell bytes (index column * 8 + row,
/// non-zero = a platform), then the hero's start column and start row.
struct LevelRecord {
    std::array<std::uint8_t, CellCount> cells{};
    std::uint8_t startColumn = 0;
    std::uint8_t startRow = 0;

    friend bool operator==(const LevelRecord &, const LevelRecord &) = default;
};

/// Why a level set could not be used.
enum class LevelSetError {
    None,
    CannotOpen,   ///< missing or unreadable file
    TooShort,     ///< fewer bytes than one whole record
    StartOutside, ///< a record's start column or row lies above 7
};

struct LevelSetReadResult {
    std::vector<LevelRecord> levels; ///< level n is levels[n - 1]; empty on error
    LevelSetError error = LevelSetError::None;
    int badLevel = 0; ///< for StartOutside: the number of the first bad record
};

/// Splits the bytes of a level set file into records: only whole records
/// count, and at most 200 of them; trailing bytes are ignored.
LevelSetReadResult parseLevelSet(const QByteArray &bytes);

/// Reads and parses the level set file at path.
LevelSetReadResult readLevelSet(const QString &path);

/// The bytes of a level set file holding these records, in order.
QByteArray serializeLevelSet(const std::vector<LevelRecord> &levels);
