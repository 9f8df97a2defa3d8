// The floor the game is measured against: the least a Qt 6 program does to
// show what the game shows while it idles. A bare window of the game's client
// size, its picture kept in a QImage, black; every 100 ms fifty random
// pixels take a new grey level and a strip of one line of text along the
// bottom is drawn off-screen and copied in, and only those rectangles are
// shown anew. The first frame already carries the line of text, as the
// game's first frame carries its toolbar's word for level, so both load the
// font machinery before they first show.
//
// It takes no arguments and reads no settings. Like the game at its first
// start, it comes up centred on the primary screen.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QWidget>

namespace {

constexpr QSize ClientSize{494, 362};
constexpr int StripHeight = 15;
constexpr int PixelsPerTick = 50;
constexpr int TickMs = 100;

class BaselineWindow : public QWidget {
public:
    BaselineWindow()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("baseline"));
        resize(ClientSize);
        m_canvas.fill(Qt::black);
        m_font.setPixelSize(13);
        drawStrip();
        startTimer(TickMs);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        for (const QRect &rect : event->region())
            painter.drawImage(rect, m_canvas, rect);
    }

    void timerEvent(QTimerEvent *) override
    {
        QRandomGenerator *random = QRandomGenerator::global();
        for (int i = 0; i < PixelsPerTick; ++i) {
            const int x = random->bounded(ClientSize.width());
            const int y = random->bounded(ClientSize.height() - StripHeight);
            const int grey = random->bounded(256);
            m_canvas.setPixel(x, y, qRgb(grey, grey, grey));
            update(x, y, 1, 1);
        }
        m_x = m_x < -m_textWidth ? ClientSize.width() : m_x - 1;
        drawStrip();
        update(stripRect());
    }

private:
    static QRect stripRect() { return {0, ClientSize.height() - StripHeight, ClientSize.width(), StripHeight}; }

    void drawStrip()
    {
        m_strip.fill(Qt::black);
        QPainter strip(&m_strip);
        strip.setFont(m_font);
        strip.setPen(QColor(255, 255, 128));
        strip.drawText(m_x, 12, m_text);
        if (m_textWidth == 0)
            m_textWidth = strip.fontMetrics().horizontalAdvance(m_text);
        QPainter(&m_canvas).drawImage(stripRect().topLeft(), m_strip);
    }

    QImage m_canvas{ClientSize, QImage::Format_RGB32};
    QImage m_strip{ClientSize.width(), StripHeight, QImage::Format_RGB32};
    QFont m_font{QStringLiteral("Arial")};
    const QString m_text = QStringLiteral("A bare Qt 6 window doing the game's idle work");
    int m_textWidth = 0;
    int m_x = 4;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BaselineWindow window;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window.move(area.x() + (area.width() - ClientSize.width()) / 2,
                    area.y() + (area.height() - ClientSize.height()) / 2);
    }
    window.show();
    return app.exec();
}
