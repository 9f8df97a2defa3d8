#pragma once
// Counting pixels of one colour in a picture the game drew, and where a
// widget was painted.

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

/// Collects the region of every paint event of the widgets it filters.
struct PaintSpy : QObject {
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

inline int pixelCount(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}
