#pragma once
// Counting pixels of one colour in a picture the game drew.

#include <QColor>
#include <QImage>

inline int pixelCount(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}
