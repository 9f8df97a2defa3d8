// The committed glyph strip, pixel by pixel, against its dot tables: each
// glyph is expanded here, independently of the generator, into a 20-row
// picture and compared with the strip as the resource system delivers it.

#include <QHash>
#include <QImage>
#include <QStringList>
#include <QTest>

namespace {

// Letters of the expected pictures: yellow (255, 255, 0), dark olive
// (64, 64, 0), red (255, 0, 0), black; '?' for any other colour.
constexpr char Lit = 'Y', Unlit = 'o', Red = 'R', Black = '.';

char letterOf(QRgb c)
{
    static const QHash<QRgb, char> letters{{0xffff00, Lit}, {0x404000, Unlit}, {0xff0000, Red}, {0x000000, Black}};
    return letters.value(c & 0xffffff, '?');
}

// Digits 0..9, then the dark digit (all unlit), seven dot rows each.
const QStringList DigitDots[11] = {
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {"..#.", ".##.", "#.#.", "..#.", "..#.", "..#.", "..#."},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {".##.", "#..#", "...#", "..#.", "...#", "#..#", ".##."},
    {"#...", "#...", "#...", "#.#.", "####", "..#.", "..#."},
    {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
    {".##.", "#..#", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "...#", "..#.", "..#.", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "#..#", ".##."},
    QStringList(7, "...."),
};

// Pixel rows 3..15 of the faces, four to a line.
// clang-format off
const QStringList SmilingFace = {
    "....#####....", "..#########..", ".###########.", ".##..###..##.",
    "###..###..###", "#############", "#############", "##.#######.##",
    "###.#####.###", ".###.....###.", ".###########.", "..#########..",
    "....#####....",
};
const QStringList FrowningFace = {
    "....#####....", "..#########..", ".###########.", ".##..###..##.",
    "###..###..###", "#############", "#############", "#############",
    "####.....####", ".##.#####.##.", ".#.#######.#.", "..#########..",
    "....#####....",
};
// clang-format on

/// A digit's 11 x 20 picture: 2 x 2 dots every 3 pixels, black lines between.
QStringList digitPicture(const QStringList &dots)
{
    QStringList rows(20, QString(11, Black));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 11; ++x)
            if (x % 3 != 2 && y % 3 != 2)
                rows[y][x] = dots[y / 3][x / 3] == '#' ? Lit : Unlit;
    return rows;
}

/// A face's 13 x 20 picture: black above row 3 and below row 15.
QStringList facePicture(const QStringList &face, char colour)
{
    QStringList rows(20, QString(13, Black));
    for (int y = 0; y < face.size(); ++y)
        rows[y + 3] = QString(face[y]).replace('#', colour);
    return rows;
}

QStringList pictureOf(const QImage &strip, int left, int width)
{
    QStringList rows(strip.height(), QString(width, '?'));
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < width; ++x)
            rows[y][x] = letterOf(strip.pixel(left + x, y));
    return rows;
}

} // namespace

class TestGlyphStrip : public QObject {
    Q_OBJECT

    QImage strip;

private slots:
    void initTestCase()
    {
        QVERIFY(strip.load(":/glyphstrip.png"));
        QCOMPARE(strip.size(), QSize(148, 20));
        QCOMPARE(strip.format(), QImage::Format_Indexed8);
        QCOMPARE(strip.colorCount(), 256);
    }

    void glyph_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<QStringList>("expected");

        for (int d = 0; d <= 9; ++d)
            QTest::addRow("digit %d at x %d", d, 11 * d) << 11 * d << digitPicture(DigitDots[d]);
        QTest::newRow("dark digit at x 110") << 110 << digitPicture(DigitDots[10]);
        QTest::newRow("black column 121") << 121 << QStringList(20, ".");
        QTest::newRow("smiling yellow face at x 122") << 122 << facePicture(SmilingFace, Lit);
        QTest::newRow("frowning red face at x 135") << 135 << facePicture(FrowningFace, Red);
    }

    /// Every pixel of each glyph; the rows together cover x 0 to 147.
    void glyph()
    {
        QFETCH(int, left);
        QFETCH(QStringList, expected);
        QCOMPARE(pictureOf(strip, left, expected.first().size()), expected);
    }
};

QTEST_MAIN(TestGlyphStrip)
#include "test_glyphstrip.moc"
