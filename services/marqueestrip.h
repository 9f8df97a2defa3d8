#pragma once
// The scrolling strip along the bottom of the main window: one line of light
// yellow text on black that enters at the right edge and leaves at the left,
// one step every 100 ms, 1500 steps a pass, over and over. Each frame is
// drawn off-screen and shown in one piece, so the strip never flickers.

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>
#include <stdexcept>

/// No timer could be had to move the strip. The message is German, as the
/// general error handler shows every such failure.
class MarqueeError : public std::runtime_error {
public:
    MarqueeError();
    QString message() const { return QString::fromUtf8(what()); }
};

/// The left edge of a line textWidth wide at step p of a pass across a strip
/// stripWidth wide: stripWidth at p = 0 (just outside the right edge),
/// -textWidth at p = steps (just gone at the left). Halves round to even.
int marqueeX(int stripWidth, int textWidth, int p, int steps);

class MarqueeStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int Steps = 1500;   ///< steps of one pass
    static constexpr int Interval = 100; ///< milliseconds between two steps
    static constexpr QColor TextColour{255, 255, 128};

    /// Starts a timer with this period on the strip: its id, or 0 when the
    /// platform has none to give.
    using TimerStarter = std::function<int(int interval)>;

    /// Stopped, without text, in Arial 13 pixels high (or its stand-in).
    explicit MarqueeStrip(QWidget *parent = nullptr);

    /// Replaces the line, measures it and shows it at once where the current
    /// step puts it; the pass goes on from there.
    void setText(const QString &text);
    QString text() const { return m_text; }

    /// Starts a pass from just outside the right edge (nothing without text),
    /// showing the strip if it was hidden. Throws MarqueeError when no timer
    /// can be had; the strip then keeps its first frame.
    void start();
    bool isRunning() const { return m_running; }

    /// One step of the timer while running: the line moves on and the frame
    /// is drawn anew; after the step past the last the pass starts again.
    void step();

    /// The step counter: 0 at the start, then 1..1501 round and round (it
    /// reads 0 again right after step 1501 has been drawn).
    int position() const { return m_p; }
    int textWidth() const { return m_textWidth; }
    int textHeight() const { return m_textHeight; }
    /// Where the last frame put the line's left edge.
    int textX() const { return m_x; }
    /// The last frame, as the strip shows it.
    const QImage &frame() const { return m_frame; }

    /// Replaces the way the step timer is started, so a refusal can be tried.
    void setTimerStarter(TimerStarter starter) { m_startTimer = std::move(starter); }

signals:
    /// The strip was clicked.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void stop();
    void measure();
    void drawFrame();

    QString m_text;
    int m_textWidth = 0;
    int m_textHeight = 0;
    int m_ascent = 0; ///< of the font, from the top of the line to its base
    int m_p = 0;
    int m_x = 0;
    bool m_running = false;
    int m_timerId = 0;
    QImage m_frame;
    TimerStarter m_startTimer;
};
