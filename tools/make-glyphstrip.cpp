// Draws the level indicator's glyph strip from its dot tables and writes it
// as an 8-bit palette PNG:
//
//     make-glyphstrip resources/glyphstrip.png
//
// The strip is 148 x 20 pixels: the digits 0..9 at x = 11 * d, the dark
// digit (every dot unlit) at x = 110, a black column at x = 121, the smiling
// face at x = 122 and the frowning face at x = 135.

#include "view/glyphstriplayout.h"

#include <QImage>
#include <QList>
#include <QString>

#include <array>
#include <cstdio>

namespace {

using namespace GlyphStrip;

constexpr int DotsAcross = 4;
constexpr int DotsDown = 7;
constexpr int DotPitch = 3; // a 2 x 2 dot, then a black line
constexpr int DotSize = 2;

constexpr int FaceTop = 3;
constexpr int FaceSize = 13;

// Palette indices. The strip keeps a full 256-entry palette; the entries
// after these four are unused and black.
enum Colour { Black = 0, Lit = 1, Unlit = 2, Red = 3 };

// The dots of the ten digits, side by side, one dot row per line
// (# lit, . unlit).
//                                      0    1    2    3    4    5    6    7    8    9
constexpr std::array<const char *, DotsDown> DigitDots = {
    ".##. ..#. .##. .##. #... #### .##. #### .##. .##.", "#..# .##. #..# #..# #... #... #..# ...# #..# #..#",
    "#..# #.#. ...# ...# #... ###. #... ...# #..# #..#", "#..# ..#. ..#. ..#. #.#. ...# ###. ..#. .##. .###",
    "#..# ..#. .#.. ...# #### ...# #..# ..#. #..# ...#", "#..# ..#. #... #..# ..#. #..# #..# .#.. #..# #..#",
    ".##. ..#. #### .##. ..#. .##. .##. .#.. .##. .##.",
};

// The two faces, pixel rows 3..15 of the strip (# face colour, . black).
//                                     smiling        frowning
constexpr std::array<const char *, FaceSize> FacePixels = {
    "....#####.... ....#####....", "..#########.. ..#########..", ".###########. .###########.",
    ".##..###..##. .##..###..##.", "###..###..### ###..###..###", "############# #############",
    "############# #############", "##.#######.## #############", "###.#####.### ####.....####",
    ".###.....###. .##.#####.##.", ".###########. .#.#######.#.", "..#########.. ..#########..",
    "....#####.... ....#####....",
};

void fill(QImage &strip, int x, int y, int w, int h, Colour colour)
{
    for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + w; ++px)
            strip.setPixel(px, py, colour);
}

/// Draws one digit's 4 x 7 dots at x; digit -1 is the dark digit.
void drawDigit(QImage &strip, int x, int digit)
{
    for (int row = 0; row < DotsDown; ++row) {
        for (int col = 0; col < DotsAcross; ++col) {
            const bool lit = digit >= 0 && DigitDots[row][digit * (DotsAcross + 1) + col] == '#';
            fill(strip, x + col * DotPitch, row * DotPitch, DotSize, DotSize, lit ? Lit : Unlit);
        }
    }
}

/// Draws face 0 (smiling) or 1 (frowning) at x in the given colour.
void drawFace(QImage &strip, int x, int face, Colour colour)
{
    for (int row = 0; row < FaceSize; ++row)
        for (int col = 0; col < FaceSize; ++col)
            if (FacePixels[row][face * (FaceSize + 1) + col] == '#')
                strip.setPixel(x + col, FaceTop + row, colour);
}

QImage drawStrip()
{
    QImage strip(Width, Height, QImage::Format_Indexed8);
    QList<QRgb> palette(256, qRgb(0, 0, 0));
    palette[Lit] = qRgb(255, 255, 0);
    palette[Unlit] = qRgb(64, 64, 0);
    palette[Red] = qRgb(255, 0, 0);
    strip.setColorTable(palette);
    strip.fill(Black);

    for (int d = 0; d <= 9; ++d)
        drawDigit(strip, d * DigitWidth, d);
    drawDigit(strip, DarkDigitX, -1);
    drawFace(strip, SolvedFaceX, 0, Lit);
    drawFace(strip, UnsolvedFaceX, 1, Red);
    return strip;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-glyphstrip OUTPUT.png\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (!drawStrip().save(path, "PNG")) {
        std::fprintf(stderr, "make-glyphstrip: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
