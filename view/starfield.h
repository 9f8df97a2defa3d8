#pragma once
// The thousand stars behind the board. The field keeps no picture of its
// own: a twinkle reads the pixels under a star from the board canvas and
// writes the new grey level straight back, so a star never paints over a
// platform or the hero, and shows again once the platform has vanished.

#include "view/starrandom.h"

#include <QImage>
#include <QRect>

#include <array>

struct Star {
    int x = 0;   ///< centre column in board-area pixels, a multiple of 3
    int y = 0;   ///< centre row in board-area pixels, a multiple of 3
    int big = 0; ///< 1: a cross of the centre and its four neighbours; 0: the centre alone
};

class StarField {
public:
    static constexpr int StarCount = 1000;
    static constexpr int TwinklesPerTick = 50;
    /// Centres lie on a grid of this pitch, so the crosses of two stars share
    /// a pixel only when the stars share their place.
    static constexpr int Grid = 3;

    /// Draws from random, which the field shares with nothing else.
    explicit StarField(StarRandom &random) : m_random(random) {}

    /// New places and sizes for stars 1..1000, three draws each (x, y, big),
    /// within the main window's client size. The board area is shorter than
    /// the client area, so some stars fall below it and never show. Draws nothing.
    void PlaceStars(int clientWidth, int clientHeight);

    /// Star i (1..1000) takes a new grey level where the canvas under it is
    /// black or grey; its arms follow only where they had the centre's old
    /// colour. The grey level is drawn on every call, also for a star that
    /// stays hidden. Pixels outside the canvas are never read or written.
    /// Returns the bounds of the pixels whose colour changed (empty if none).
    QRect TwinkleStar(QImage &canvas, int i);
    /// Stars 1..1000 in turn, as a full repaint draws them over the board.
    /// Returns the bounds of all pixels whose colour changed.
    QRect TwinkleAll(QImage &canvas);

    /// The star a timer tick picks next, 1..1000.
    int pickStar() { return m_random.Random(StarCount) + 1; }

    const Star &star(int i) const { return m_stars[std::size_t(i - 1)]; }

private:
    StarRandom &m_random;
    std::array<Star, StarCount> m_stars{};
};
