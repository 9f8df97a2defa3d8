#include "game/savedgame.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>

namespace {

/// The whole content of a file, at most maxBytes of it; nothing when it
/// cannot be opened or read.
std::optional<QByteArray> readFileStart(const QString &path, qint64 maxBytes)
{
    // Only a regular file is opened: a folder cannot be read, and opening a
    // named pipe would wait for a writer that never comes.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

QByteArray savedGameBytes(const SolvedTable &table)
{
    QByteArray bytes(SavedGameSize, '\0');
    char *at = bytes.data();
    for (const std::int32_t flag : table.flags) {
        qToLittleEndian<std::int32_t>(flag, at);
        at += SavedGameFlagSize;
    }
    return bytes;
}

SolvedTable solvedTableFromBytes(QByteArrayView bytes)
{
    // Laid over 800 zero bytes, a short file leaves the missing flags, and
    // the high-order bytes of a flag cut short, at 0.
    QByteArray padded(SavedGameSize, '\0');
    std::copy_n(bytes.data(), std::min<qsizetype>(bytes.size(), SavedGameSize), padded.data());
    SolvedTable table;
    const char *at = padded.constData();
    for (std::int32_t &flag : table.flags) {
        flag = qFromLittleEndian<std::int32_t>(at);
        at += SavedGameFlagSize;
    }
    return table;
}

bool writeSavedGame(const QString &path, const SolvedTable &table)
{
    // Only a regular file is replaced; a folder or a named pipe of that name
    // is left alone and the save fails.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return false;
    QSaveFile file(path);
    // Where the folder takes no new file but the old save may be written,
    // the save goes into that file in place instead of failing.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a full disk shows at the write itself. Written
    // through Qt's buffer, the bytes would only meet the full disk at the
    // flush inside commit(), which then puts the short new file in place of
    // the old one all the same and reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = savedGameBytes(table);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<SolvedTable> readSavedGameForLoad(const QString &path)
{
    const std::optional<QByteArray> bytes = readFileStart(path, SavedGameSize);
    if (!bytes)
        return std::nullopt;
    return solvedTableFromBytes(*bytes);
}

AutoLoadResult readSavedGameAtStart(const QString &path)
{
    AutoLoadResult result;
    // Only a regular file counts as a saved game being there: a folder or a
    // named pipe at the path is skipped as a missing file is.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return result;
    const std::optional<QByteArray> bytes = readFileStart(path, SavedGameSize);
    if (!bytes) {
        result.status = AutoLoadStatus::Unreadable;
        return result;
    }
    const qsizetype wholeFlags = bytes->size() / SavedGameFlagSize;
    result.table = solvedTableFromBytes(QByteArrayView(*bytes).first(wholeFlags * SavedGameFlagSize));
    result.status = AutoLoadStatus::Loaded;
    return result;
}

QString withSavedGameExtension(const QString &chosenPath)
{
    const qsizetype nameStart = chosenPath.lastIndexOf(u'/') + 1;
    const qsizetype dot = chosenPath.lastIndexOf(u'.');
    const bool hasExtension = dot > nameStart;
    return (hasExtension ? chosenPath.first(dot) : chosenPath) + QStringLiteral(".zhx");
}
