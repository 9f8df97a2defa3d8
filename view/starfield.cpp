#include "view/starfield.h"

namespace {

bool isGrey(QRgb colour)
{
    return qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour);
}

} // namespace

void StarField::PlaceStars(int clientWidth, int clientHeight)
{
    for (Star &star : m_stars) {
        star.x = m_random.Random(clientWidth / Grid) * Grid;
        star.y = m_random.Random(clientHeight / Grid) * Grid;
        star.big = m_random.Random(20) / 18; // 18 and 19: one star in ten
    }
}

QRect StarField::TwinkleAll(QImage &canvas)
{
    QRect changed;
    for (int i = 1; i <= StarCount; ++i)
        changed |= TwinkleStar(canvas, i);
    return changed;
}

QRect StarField::TwinkleStar(QImage &canvas, int i)
{
    const Star &s = star(i);
    // A centre off the canvas shows nothing: the star counts as hidden.
    const bool onCanvas = canvas.valid(s.x, s.y);
    const QRgb old = onCanvas ? canvas.pixel(s.x, s.y) : 0;
    const int v = m_random.Random(256);
    if (!onCanvas || !isGrey(old))
        return {};

    const QRgb grey = qRgb(v, v, v);
    QRect changed;
    canvas.setPixel(s.x, s.y, grey);
    if (grey != old)
        changed = QRect(s.x, s.y, 1, 1);
    if (!s.big)
        return changed;
    // Right, left, below, above: an arm follows only while it has the colour
    // the centre had, so an arm on a platform stays covered.
    for (const QPoint arm : {QPoint(s.x + 1, s.y), QPoint(s.x - 1, s.y), QPoint(s.x, s.y + 1), QPoint(s.x, s.y - 1)}) {
        if (!canvas.valid(arm) || canvas.pixel(arm) != old)
            continue;
        canvas.setPixel(arm, grey);
        if (grey != old)
            changed |= QRect(arm, QSize(1, 1));
    }
    return changed;
}
