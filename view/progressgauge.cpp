#include "view/progressgauge.h"

#include <QPainter>

int progressFillWidth(int w, int position, int maximum)
{
    const int percent = maximum == 0 ? 0 : (100 * position) / maximum;
    // The share is taken as percent times 0.01 in extended precision, where
    // 0.01 lies just below its true value: where (w + 1) * percent is a whole
    // multiple of 100 the width can come out one pixel short, as players of
    // the game have always seen it.
    const long double share = percent * 0.01L;
    const long double width = (w + 1) * share;
    return std::min(int(width), w + 1);
}

ProgressGauge::ProgressGauge(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressGauge::setMaximum(int maximum)
{
    m_maximum = maximum;
    update();
}

void ProgressGauge::setPosition(int position)
{
    m_position = position;
    update();
}

void ProgressGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(0, 0, progressFillWidth(width(), m_position, m_maximum), height(), Qt::red);
}
