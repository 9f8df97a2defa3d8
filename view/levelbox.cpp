#include "view/levelbox.h"

#include "view/glyphstriplayout.h"

#include <QPainter>

namespace {

using namespace GlyphStrip;

constexpr int PlaceWidth = 13; ///< a digit and the black gap after it
constexpr int FaceLeft = 42;
constexpr QSize DisplaySize(57, 20);

} // namespace

QImage levelDisplayImage(const QImage &glyphStrip, int level, bool solved)
{
    QImage picture(DisplaySize, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);

    const int digits[3] = {(level / 100) % 10, (level / 10) % 10, level % 10};
    bool leading = true;
    for (int k = 0; k < 3; ++k) {
        const int d = digits[k];
        if (d != 0)
            leading = false;
        const int sourceX = (d == 0 && leading && k < 2) ? DarkDigitX : DigitWidth * d;
        painter.drawImage(QPoint(PlaceWidth * k, 0), glyphStrip, QRect(sourceX, 0, DigitWidth, Height));
    }
    painter.drawImage(QPoint(FaceLeft, 0), glyphStrip,
                      QRect(solved ? SolvedFaceX : UnsolvedFaceX, 0, FaceWidth, Height));
    return picture;
}

LevelBox::LevelBox(QWidget *parent) : QWidget(parent), m_glyphStrip(QStringLiteral(":/glyphstrip.png"))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_picture = QImage(DisplaySize, QImage::Format_RGB32);
    m_picture.fill(Qt::black);
}

void LevelBox::showLevel(int level, bool solved)
{
    m_picture = levelDisplayImage(m_glyphStrip, level, solved);
    update();
}

void LevelBox::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, m_picture);
}
