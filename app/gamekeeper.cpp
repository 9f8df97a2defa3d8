#include "app/gamekeeper.h"

#include "services/placementkeeper.h"
#include "settings/settingserror.h"

#include <QTimer>

#include <utility>

namespace {

/// How often the watch looks for changes: at most one write a second.
constexpr int WatchMs = 1000;

void tellStderr(const QString &what)
{
    qWarning("Zorbix Hoplix: %s", qUtf8Printable(what));
}

} // namespace

GameKeeper::GameKeeper(GameSettings &settings, UnsavedProgress &unsaved, PlacementKeeper *placement,
                       const SolvedTable &progress, Current current, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_unsaved(unsaved)
    , m_placement(placement)
    , m_progress(progress)
    , m_current(std::move(current))
    , m_watch(new QTimer(this))
{
    m_watch->setInterval(WatchMs);
    connect(m_watch, &QTimer::timeout, this, &GameKeeper::keepChanges);
}

void GameKeeper::start()
{
    m_started = true;
    m_written = m_current();
    m_watch->start();
}

void GameKeeper::keepChanges()
{
    if (!m_started || m_ended)
        return;
    // The progress before the settings: once the settings show a level that
    // follows a solved one, the solved flag is kept too.
    keepProgress();
    keepSettings();
    if (m_placement->movePending()) {
        try {
            m_placement->keepMoves();
        } catch (const SettingsError &error) {
            tellStderr(error.message());
        }
    }
}

void GameKeeper::keepAll()
{
    keepChanges();
    if (!m_started || m_ended)
        return;
    try {
        m_placement->keepMoves();
    } catch (const SettingsError &error) {
        tellStderr(error.message());
    }
}

void GameKeeper::end()
{
    keepAll();
    m_ended = true;
    m_watch->stop();
}

void GameKeeper::progressChosen()
{
    if (m_ended)
        return;
    m_progressChosen = true;
    if (!m_unsaved.discard())
        tellStderr(QStringLiteral("%1 cannot be removed").arg(m_unsaved.path()));
}

std::optional<SettingsError> GameKeeper::closeWrites()
{
    if (m_ended)
        return std::nullopt;
    m_ended = true;
    m_watch->stop();
    return m_settings.save(m_current());
}

void GameKeeper::keepProgress()
{
    if (m_progressChosen || m_unsaved.keep(m_progress))
        return;
    // Tried again every second, told of once for each change.
    if (std::exchange(m_unkeptProgress, m_progress) != m_progress)
        tellStderr(QStringLiteral("the progress not saved cannot be kept in %1").arg(m_unsaved.path()));
}

void GameKeeper::keepSettings()
{
    const GameSettings::Values now = m_current();
    // Asked once for each change: a store that cannot be written is told
    // of once, not every second.
    if (now == m_written)
        return;
    m_written = now;
    if (const std::optional<SettingsError> failure = m_settings.save(now))
        tellStderr(failure->message());
}
