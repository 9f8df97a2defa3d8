#include "services/placementkeeper.h"

#include "services/explodeeffect.h"
#include "services/framewatch.h"
#include "settings/settingserror.h"

#include <QCursor>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace {

/// How long after the window is on the screen its frame may still be owed: a
/// window manager frames a new window at once; without one there is no
/// frame.
constexpr int OwedFrameTimeoutMs = 1500;

/// How long a window keeps its place and size before that counts as settled.
constexpr int SettleMs = 1000;

constexpr Qt::WindowStates NotNormal = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

/// The outer frame of this size centred on the primary screen, each
/// division dropping its remainder.
QRect centredFrame(const QSize &size)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(QPoint(0, 0), size);
    const QRect area = screen->geometry();
    return QRect(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2,
                 size.width(), size.height());
}

} // namespace

PlacementKeeper::PlacementKeeper(QWidget *window, SettingsStore &store)
    : QObject(window)
    , m_window(window)
    , m_setting(store)
    , m_settle(new QTimer(this))
    , m_placesItself(!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    connect(m_settle, &QTimer::timeout, this, &PlacementKeeper::keepSettled);
    window->installEventFilter(this);
    window->setAcceptDrops(true);
    new FrameWatch(window, [this] { settleFrame(); });
}

void PlacementKeeper::save()
{
    if (!m_shown)
        return;
    const WindowPlacement placement = current();
    m_setting.write(placement);
    m_kept = placement;
}

bool PlacementKeeper::movePending() const
{
    return m_settle->isActive();
}

void PlacementKeeper::keepMoves()
{
    m_settle->stop();
    if (m_shown && current() != m_kept)
        save();
}

void PlacementKeeper::keepSettled()
{
    try {
        keepMoves();
    } catch (const SettingsError &error) {
        qWarning("Zorbix Hoplix: the window's place is not kept: %s", qUtf8Printable(error.message()));
    }
}

WindowPlacement PlacementKeeper::current() const
{
    // A closed window may have lost its state on the way; it is kept as it
    // was when it closed.
    if (m_atHide && !m_window->isVisible())
        return *m_atHide;
    const Qt::WindowStates state = m_window->windowState();
    const bool maximised = state.testFlag(Qt::WindowMaximized);
    const int flags = maximised && state.testFlag(Qt::WindowMinimized) ? WindowPlacement::RestoreToMaximized : 0;
    return WindowPlacement::ofFrame(inNormalState() ? outerFrame() : m_normalFrame,
                                    maximised ? WindowPlacement::ShowMaximized : WindowPlacement::ShowNormal, flags);
}

bool PlacementKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        // Shown by the program, not given back by the window system.
        if (!event->spontaneous())
            windowShown(event);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        settleFrame();
        noteNormalFrame();
        if (m_shown)
            m_settle->start();
        break;
    case QEvent::WindowStateChange: {
        if (m_shown)
            m_settle->start();
        // An X11 window manager gives a window its maximised frame before it
        // says the window is maximised, so that frame was noted as a normal
        // one: the normal frame is the one before it.
        const Qt::WindowStates old = static_cast<QWindowStateChangeEvent *>(event)->oldState();
        if (!(old & NotNormal) && !inNormalState() && m_normalFrame == outerFrame() && m_previousNormalFrame.isValid())
            m_normalFrame = m_previousNormalFrame;
        // A window restored from maximised may still be owed its frame.
        if ((old & NotNormal) && inNormalState() && m_owedFrame)
            watchForFrame();
        break;
    }
    case QEvent::Hide:
        if (!event->spontaneous() && m_shown)
            m_atHide = current();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // Files may be dropped, and nothing comes of it. Only as a copy: a
        // file manager deletes the file it thinks was moved.
        auto *drop = static_cast<QDropEvent *>(event);
        if (drop->mimeData()->hasUrls() && drop->possibleActions().testFlag(Qt::CopyAction)) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
        }
        return true;
    }
    default: break;
    }
    return false;
}

void PlacementKeeper::windowShown(QEvent *event)
{
    m_shown = true;
    m_atHide.reset();
    std::optional<SettingsError> failure;
    try {
        restore();
    } catch (const SettingsError &error) {
        failure = error;
    }
    // The effect needs a window that can be placed at the pointer.
    if (m_placesItself && !m_window->isMinimized()) {
        const QScreen *screen = m_window->screen();
        const QRect target = m_window->isMaximized() && screen ? screen->availableGeometry() : outerFrameOf(m_window);
        ExplodeEffect::run(QCursor::pos(), target);
    }
    if (failure) {
        // The window's own show handler still readies it; only then does the
        // failure go to the general error handler, so that the window
        // appears centred and ready to play.
        static_cast<QObject *>(m_window)->event(event);
        throw *failure;
    }
}

void PlacementKeeper::restore()
{
    std::optional<WindowPlacement> stored;
    try {
        stored = m_setting.read();
    } catch (const SettingsError &) {
        centre();
        throw;
    }
    if (!stored) {
        centre();
        return;
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        stored->clampTo(screen->virtualGeometry());
    apply(*stored);
    m_kept = stored;
}

void PlacementKeeper::centre()
{
    m_window->setWindowState(Qt::WindowNoState);
    const QRect frame = centredFrame(outerFrameOf(m_window).size());
    place(frame);
    owe(frame, true);
    // Where the game puts the window itself needs no writing.
    m_kept = WindowPlacement::ofFrame(frame, WindowPlacement::ShowNormal);
}

void PlacementKeeper::apply(const WindowPlacement &placement)
{
    m_window->setWindowState(Qt::WindowNoState);
    // The frame the window manager puts round the window is not known
    // before it is shown: the window is placed as if it had none, and
    // settleFrame() mends that once the frame is there.
    const QRect frame = placement.frame().normalized();
    place(frame);
    owe(frame, false);

    // Setting the state after the normal frame makes that frame the one a
    // maximised window is restored to.
    Qt::WindowStates state = Qt::WindowNoState;
    if (placement.showState == WindowPlacement::ShowMaximized)
        state = Qt::WindowMaximized;
    else if (placement.showState == WindowPlacement::ShowMinimized)
        state = placement.flags & WindowPlacement::RestoreToMaximized ? Qt::WindowMinimized | Qt::WindowMaximized
                                                                      : Qt::WindowMinimized;
    m_window->setWindowState(state);
}

void PlacementKeeper::owe(const QRect &frame, bool centred)
{
    m_normalFrame = frame;
    m_previousNormalFrame = QRect();
    m_owedFrame = frame;
    m_owedCentred = centred;
    watchForFrame();
}

void PlacementKeeper::watchForFrame()
{
    m_owedUntil = QDeadlineTimer(QDeadlineTimer::Forever);
    settleFrame();
}

void PlacementKeeper::settleFrame()
{
    // A maximised or minimised window is given its normal frame when it is
    // restored: its normal frame is the window manager's to keep meanwhile.
    if (!m_owedFrame || !inNormalState())
        return;
    // The wait for a frame starts when the window is on the screen, which
    // a message shown before may put off.
    const QWindow *window = m_window->windowHandle();
    if (!window || !window->isExposed())
        return;
    if (m_owedUntil.isForever())
        m_owedUntil.setRemainingTime(OwedFrameTimeoutMs);
    if (m_owedUntil.hasExpired()) {
        m_owedFrame.reset();
        return;
    }
    if (frameMargins().isNull())
        return;
    // Owed until the wait is over, not only until placed once: a window
    // manager restoring a window from maximised may apply its own idea of
    // the normal frame after the game has placed it.
    const QRect owed = m_owedCentred ? centredFrame(outerFrameOf(m_window).size()) : *m_owedFrame;
    if (outerFrame() != owed)
        place(owed);
}

void PlacementKeeper::place(const QRect &frame)
{
    const QRect client = frame.marginsRemoved(frameMargins());
    if (m_placesItself)
        m_window->setGeometry(client);
    else
        m_window->resize(client.size());
}

void PlacementKeeper::noteNormalFrame()
{
    if (!m_shown || !m_window->isVisible() || !inNormalState())
        return;
    const QRect frame = outerFrame();
    if (frame == m_normalFrame)
        return;
    m_previousNormalFrame = m_normalFrame;
    m_normalFrame = frame;
}

bool PlacementKeeper::inNormalState() const
{
    return !(m_window->windowState() & NotNormal);
}

QMargins PlacementKeeper::frameMargins() const
{
    const QWindow *window = m_window->windowHandle();
    return window ? window->frameMargins() : QMargins();
}

QRect PlacementKeeper::outerFrame() const
{
    const QRect frame = outerFrameOf(m_window);
    // Under Wayland a window does not know where it is: its last known
    // position stays.
    return m_placesItself ? frame : QRect(m_normalFrame.topLeft(), frame.size());
}
