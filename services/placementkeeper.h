#pragma once
// The PlacementKeeper: brings the main window back where and how the player
// left it, shows the explode effect as the window appears, and registers the
// window for dropped files, which it ignores.
//
// It watches the window's events. When the window is shown it restores the
// stored placement (or centres the window on the primary screen) and runs
// the effect, before the window's own show handler. A move or resize is
// written once it has settled, a second without change, so that a game that
// ends without its close still comes back where it was; the window's owner
// calls save() as the window is destroyed.
//
// Under Wayland the compositor alone places windows: size and maximised
// state come back, the position is left to the compositor, and the stored
// text keeps the last position known from a session that could place the
// window.

#include "settings/placementsetting.h"

#include <QDeadlineTimer>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QString>

#include <optional>

class QTimer;
class QWidget;
class SettingsStore;

class PlacementKeeper : public QObject {
public:
    /// Keeps window's placement in store.
    PlacementKeeper(QWidget *window, SettingsStore &store);

    /// Writes the placement. Nothing when the window was never shown: a
    /// game that did not start writes nothing. Throws SettingsError.
    void save();

    /// The placement as save() would write it now.
    WindowPlacement current() const;

    /// Whether a move or resize has not yet settled and been written.
    bool movePending() const;
    /// Writes the placement when it differs from the one last written or
    /// restored. Throws SettingsError.
    void keepMoves();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void windowShown(QEvent *event);
    /// Applies the stored placement, or centres the window. After centring
    /// it throws SettingsError for a stored number that is no integer.
    void restore();
    void centre();
    void apply(const WindowPlacement &placement);
    /// Owes the window this outer frame until its real frame is known.
    void owe(const QRect &frame, bool centred);
    /// Waits for the window manager's frame, for a while.
    void watchForFrame();
    /// Brings the window's outer frame to what was owed once the window
    /// manager has put its frame round it.
    void settleFrame();
    void noteNormalFrame();
    bool inNormalState() const;
    /// The window manager's frame round the window; none before it is shown.
    QMargins frameMargins() const;
    /// Gives the window this outer frame, as far as the frame is known.
    void place(const QRect &frame);
    /// The outer frame to keep: under Wayland with the last known position.
    QRect outerFrame() const;

    /// keepMoves() for the settle timer, which has nobody to tell of a
    /// failure but stderr.
    void keepSettled();

    QWidget *m_window;
    PlacementSetting m_setting;
    QTimer *m_settle;                      ///< runs while a move or resize settles
    std::optional<WindowPlacement> m_kept; ///< last written or restored
    bool m_shown = false;
    bool m_placesItself;              ///< false under Wayland, where the compositor places
    QRect m_normalFrame;              ///< the outer frame in the normal state
    QRect m_previousNormalFrame;      ///< the one before it
    std::optional<QRect> m_owedFrame; ///< the frame asked for, until the real frame is known
    bool m_owedCentred = false;
    QDeadlineTimer m_owedUntil;
    std::optional<WindowPlacement> m_atHide; ///< taken when the window was closed
};
