#include "game/unsavedprogress.h"

#include "game/savedgame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

UnsavedProgress::UnsavedProgress(QString path) : m_path(std::move(path)) {}

QString UnsavedProgress::defaultPath()
{
    // Beside where the settings live, in the data folder: the same
    // organisation and game folders below it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/ZorbixGames/ZorbixHoplix/unsaved.zhx");
}

void UnsavedProgress::setSaved(const SolvedTable &saved)
{
    m_saved = saved;
}

std::optional<SolvedTable> UnsavedProgress::take(QString *problem)
{
    m_inFile.reset();
    if (!QFileInfo(m_path).isFile())
        return std::nullopt;
    // Written whole or not at all, the file is exactly a saved game; anything
    // else was not written by the game and is no progress to trust.
    QFile file(m_path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const QByteArray bytes = opened ? file.read(SavedGameSize + 1) : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError || bytes.size() != SavedGameSize) {
        *problem = opened ? QStringLiteral("%1 holds %2 bytes, not a saved game's %3; it is ignored")
                                .arg(m_path)
                                .arg(bytes.size())
                                .arg(SavedGameSize)
                          : QStringLiteral("%1 cannot be read (%2); it is ignored").arg(m_path, file.errorString());
        file.close();
        QFile::remove(m_path);
        return std::nullopt;
    }
    m_inFile = solvedTableFromBytes(bytes);
    return m_inFile;
}

bool UnsavedProgress::keep(const SolvedTable &progress)
{
    if (progress == m_saved)
        return discard();
    if (m_inFile == progress)
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!writeSavedGame(m_path, progress))
        return false;
    m_inFile = progress;
    return true;
}

bool UnsavedProgress::discard()
{
    if (!m_inFile)
        return true;
    if (!QFile::remove(m_path) && QFileInfo::exists(m_path))
        return false;
    m_inFile.reset();
    return true;
}
