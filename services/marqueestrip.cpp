#include "services/marqueestrip.h"

#include "services/pixelfont.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

MarqueeError::MarqueeError() : std::runtime_error("Nicht genügend Timer verfügbar") {}

int marqueeX(int stripWidth, int textWidth, int p, int steps)
{
    const double share = 1.0 - double(p) / steps;
    // nearbyint rounds halves to even in the default rounding mode.
    return int(std::nearbyint(double(stripWidth + textWidth) * share)) - textWidth;
}

MarqueeStrip::MarqueeStrip(QWidget *parent)
    : QWidget(parent)
    , m_startTimer([this](int interval) { return startTimer(interval); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(pixelFont(QStringLiteral("Arial"), 13));
    measure();
}

void MarqueeStrip::setText(const QString &text)
{
    m_text = text;
    measure();
    drawFrame();
    update();
}

void MarqueeStrip::start()
{
    if (m_text.isEmpty())
        return;
    if (m_running)
        stop();
    if (isHidden())
        show();
    m_running = true;
    m_p = 0;
    drawFrame();
    update();
    m_timerId = m_startTimer(Interval);
    if (m_timerId == 0) {
        m_running = false;
        throw MarqueeError();
    }
}

void MarqueeStrip::stop()
{
    if (m_timerId != 0)
        killTimer(m_timerId);
    m_timerId = 0;
    m_running = false;
    m_p = 0;
}

void MarqueeStrip::step()
{
    if (!m_running)
        return;
    ++m_p;
    drawFrame();
    update();
    if (m_p > Steps)
        m_p = 0; // the next step draws step 1
}

void MarqueeStrip::measure()
{
    const QFontMetrics metrics(font());
    m_textWidth = metrics.horizontalAdvance(m_text);
    m_textHeight = metrics.size(Qt::TextSingleLine, QStringLiteral("W")).height();
    m_ascent = metrics.ascent();
}

void MarqueeStrip::drawFrame()
{
    // The strip's size is taken anew for every frame: a wider window moves
    // the line faster from the next frame on.
    const int w = width(), h = height();
    m_x = marqueeX(w, m_textWidth, m_p, Steps);
    // The picture is made again only when the strip changed its size.
    if (m_frame.size() != QSize(w, h))
        m_frame = QImage(std::max(w, 0), std::max(h, 0), QImage::Format_RGB32);
    if (m_frame.isNull())
        return; // no strip to draw on (or no memory for one so wide)
    m_frame.fill(Qt::black);
    const int y = h >= m_textHeight ? (h - m_textHeight) / 2 : 0;
    if (!QRect(m_x, y, m_textWidth, m_textHeight).intersects(m_frame.rect()))
        return;
    QPainter painter(&m_frame);
    painter.setFont(font());
    painter.setPen(TextColour);
    painter.drawText(QPoint(m_x, y + m_ascent), m_text);
}

void MarqueeStrip::paintEvent(QPaintEvent *)
{
    if (m_frame.size() != size())
        drawFrame();
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
}

void MarqueeStrip::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timerId)
        step();
    else
        QWidget::timerEvent(event);
}

void MarqueeStrip::mouseReleaseEvent(QMouseEvent *event)
{
    // A click: the left button pressed on the strip and let go on it.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    else
        QWidget::mouseReleaseEvent(event);
}

void MarqueeStrip::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        measure();
        drawFrame();
        update();
    }
    QWidget::changeEvent(event);
}
