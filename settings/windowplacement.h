#pragma once
// The main window's placement as the settings keep it: the text
// "200,flags,state,left,top,right,bottom" of the window's outer frame in its
// normal (restored) state, right and bottom exclusive, whatever its state.

#include <QRect>
#include <QString>

#include <optional>

struct WindowPlacement {
    /// The first number of the text: the form this text has.
    static constexpr int FormatMark = 200;
    /// Show states as the text has them.
    enum ShowState { ShowNormal = 1, ShowMinimized = 2, ShowMaximized = 3 };
    /// The flag that a minimised window comes back maximised.
    static constexpr int RestoreToMaximized = 2;
    /// No stored edge lies farther from the origin than this.
    static constexpr int FarthestEdge = 1000000;

    int flags = 0;
    int showState = ShowNormal;
    int left = 0, top = 0, right = 0, bottom = 0;

    /// The placement of a window whose normal outer frame is frame.
    static WindowPlacement ofFrame(const QRect &frame, int showState, int flags = 0);
    /// The normal outer frame as a rectangle.
    QRect frame() const { return QRect(left, top, right - left, bottom - top); }

    /// The seven numbers, comma-separated, without spaces.
    QString text() const;

    /// The placement in text: nothing when the text has another form (not
    /// seven pieces, a first piece other than "200", or an edge farther
    /// than FarthestEdge), in which case the window is centred. A piece that is no integer throws SettingsError
    /// "'<piece>' is not a valid integer value".
    static std::optional<WindowPlacement> parse(const QString &text);

    /// Moves the frame onto the desktop, keeping its size, in four steps in
    /// this order: off the right edge, off the bottom, off the left, off the
    /// top. A frame larger than the desktop ends at its left and top edges.
    void clampTo(const QRect &desktop);

    bool operator==(const WindowPlacement &) const = default;
};
