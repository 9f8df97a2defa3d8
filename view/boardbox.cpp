#include "view/boardbox.h"

#include "view/boardtable.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

/// A solid polygon over its whole outline. The one-pixel outline in the fill
/// colour leaves some vertices unpainted, so the vertices are set as well.
template <std::size_t N>
void fillPolygon(QPainter &painter, const std::array<QPoint, N> &points, const QColor &color)
{
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawPolygon(points.data(), int(N));
    painter.drawPoints(points.data(), int(N));
}

} // namespace

BoardBox::BoardBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardBox::invalidateAll()
{
    m_stale = true;
    update();
}

void BoardBox::setShown(const ShownBoard &shown)
{
    const ShownBoard before = std::exchange(m_shown, shown);
    BoardTable::tellChanges(this, before);
}

void BoardBox::DrawCell(const DrawingUnits &u, const Board &board, int col, int row)
{
    if (m_canvas.isNull())
        return; // no size yet: the first full repaint draws it
    const QRect bounds = cellBounds(u, col, row);
    QPainter(&m_canvas).drawImage(bounds.topLeft(), cellPicture(u, board.hasPlatform(col, row)));
    showChanged(bounds);
}

const QImage &BoardBox::cellPicture(const DrawingUnits &u, bool platform)
{
    // Every cell is the same picture moved by whole pixels, and a polygon
    // with whole-pixel corners covers the same pixels wherever it lies: each
    // kind of cell is drawn once for the units of the moment, on a clear
    // ground, and copied into place; its clear pixels leave the canvas as
    // it was.
    if (m_cellPictures[0].isNull() || !(u == m_pictureUnits)) {
        m_pictureUnits = u;
        const QPoint origin = cellBounds(u, 0, 0).topLeft();
        const auto moved = [origin](auto points) {
            for (QPoint &p : points)
                p -= origin;
            return points;
        };
        for (const bool withPlatform : {false, true}) {
            QImage &picture = m_cellPictures[withPlatform];
            picture = QImage(cellBounds(u, 0, 0).size(), QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            fillPolygon(painter, moved(sidePolygon(u, 0, 0)), withPlatform ? SideColor : EmptyColor);
            fillPolygon(painter, moved(topPolygon(u, 0, 0)), withPlatform ? TopColor : EmptyColor);
        }
    }
    return m_cellPictures[platform];
}

void BoardBox::DrawHero(const DrawingUnits &u, int col, int row)
{
    if (m_canvas.isNull())
        return;
    const QRect rect = heroRect(u, col, row);
    // The ellipse, scan line by scan line: every pixel of the rectangle whose
    // centre lies inside it. So it touches all four sides of the rectangle
    // and never reaches past its right or bottom edge.
    QPainter painter(&m_canvas);
    const double rx = rect.width() / 2.0, ry = rect.height() / 2.0;
    for (int y = 0; y < rect.height(); ++y) {
        const double dy = (y + 0.5 - ry) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const int x0 = int(std::ceil(rx - half - 0.5));
        const int x1 = int(std::floor(rx + half - 0.5));
        if (x0 <= x1)
            painter.fillRect(rect.left() + x0, rect.top() + y, x1 - x0 + 1, 1, HeroColor);
    }
    showChanged(rect);
}

void BoardBox::TwinkleStar(StarField &stars, int i)
{
    showChanged(stars.TwinkleStar(m_canvas, i));
}

void BoardBox::TwinkleAll(StarField &stars)
{
    showChanged(stars.TwinkleAll(m_canvas));
}

void BoardBox::twinkleTick(StarField &stars)
{
    for (int n = 0; n < StarField::TwinklesPerTick; ++n)
        TwinkleStar(stars, stars.pickStar());
}

void BoardBox::showChanged(const QRect &rect)
{
    if (!m_repainting && !rect.isEmpty())
        update(rect);
}

void BoardBox::paintEvent(QPaintEvent *event)
{
    if (m_stale) {
        m_stale = false;
        m_repainting = true;
        if (m_fullRepaint)
            m_fullRepaint();
        m_repainting = false;
        // The area went stale as a whole, so this paint normally covers it;
        // if not, the rest is shown next.
        if (!QRegion(rect()).subtracted(event->region()).isEmpty())
            update();
    }
    QPainter painter(this);
    for (const QRect &rect : event->region())
        painter.drawImage(rect, m_canvas, rect);
}

void BoardBox::resizeEvent(QResizeEvent *)
{
    m_canvas = QImage(size(), QImage::Format_RGB32);
    m_canvas.fill(EmptyColor);
    m_stale = true;
}

void BoardBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    emit mouseDown(event->button(), event->modifiers(), p.x(), p.y());
}
