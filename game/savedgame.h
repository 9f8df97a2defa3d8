#pragma once
// The saved-game file: the SolvedTable as 800 bytes, the 200 flags as signed
// 32-bit little-endian integers, level 1 first. No header, no checksum.

#include "game/progress.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

constexpr int SavedGameFlagSize = 4;
constexpr int SavedGameSize = MaxLevels * SavedGameFlagSize;

/// The 800 bytes of the table, all 200 flags as they stand.
QByteArray savedGameBytes(const SolvedTable &table);

/// A fresh table (all 0) filled from the first 800 bytes as they stand: a
/// length that is no multiple of 4 fills only the low-order bytes of the last
/// flag it reaches; bytes after the 800th are ignored.
SolvedTable solvedTableFromBytes(QByteArrayView bytes);

/// Writes the 800 bytes to path. The file is replaced only once all of it
/// has been written, so a failed save leaves an earlier file intact; where
/// the folder takes no new file, an existing file is written in place.
/// False when the file cannot be created or not all of it was written, and
/// when something other than a regular file stands at path.
bool writeSavedGame(const QString &path, const SolvedTable &table);

/// Reads a file the player chose to load: up to 800 bytes, as
/// solvedTableFromBytes takes them. Nothing when no regular file is there
/// or it cannot be opened or read; the caller then keeps the progress it had.
std::optional<SolvedTable> readSavedGameForLoad(const QString &path);

enum class AutoLoadStatus {
    Missing,    ///< no regular file at the path (or the path is empty): skipped in silence
    Unreadable, ///< a regular file is there but cannot be opened or read
    Loaded,
};

struct AutoLoadResult {
    AutoLoadStatus status = AutoLoadStatus::Missing;
    SolvedTable table; ///< all 0 unless Loaded
};

/// Reads the saved game named by the settings at start-up: whole 4-byte
/// flags only, a trailing fragment of fewer than 4 bytes is never read, at
/// most 200 flags; an empty file gives all 0.
AutoLoadResult readSavedGameAtStart(const QString &path);

/// The name a save goes to: the extension of the chosen file name replaced
/// by ".zhx", or ".zhx" added when the name has none. Only the part after
/// the last "/" counts, so a dot in a folder name starts no extension (Qt's
/// file dialogs give "/" on every platform); a dot that begins the name
/// starts none either: ".hoplix" gets ".hoplix.zhx".
QString withSavedGameExtension(const QString &chosenPath);
