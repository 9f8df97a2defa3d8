// The committed glyph strip, pixel by pixel, against its dot tables: each
// glyph is expanded here, independently of the generator, into a 20-row
// picture and compared with the strip as the resource system delivers it.

#include <QImage>
#include <QStringList>
#include <QTest>

namespace {

// Letters of the expected pictures.
constexpr char Lit = 'Y';   // yellow (255, 255, 0)
constexpr char Unlit = 'o'; // dark olive (64, 64, 0)
constexpr char Red = 'R';   // red (255, 0, 0)
constexpr char Black = '.';

char letterOf(QRgb c)
{
    switch (c & 0xffffff) {
    case 0xffff00: return Lit;
    case 0x404000: return Unlit;
    case 0xff0000: return Red;
    case 0x000000: return Black;
    default: return '?';
    }
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
    {"....", "....", "....", "....", "....", "....", "...."},
};

// Pixel rows 3..15 of the faces.
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

/// A digit's 11 x 20 picture: 2 x 2 dots every 3 pixels, black lines between.
QStringList digitPicture(const QStringList &dots)
{
    QStringList rows;
    for (int y = 0; y < 20; ++y) {
        QString row;
        for (int x = 0; x < 11; ++x) {
            const bool onDot = x % 3 != 2 && y % 3 != 2;
            row += onDot ? (dots[y / 3][x / 3] == '#' ? Lit : Unlit) : Black;
        }
        rows << row;
    }
    return rows;
}

/// A face's 13 x 20 picture: black above row 3 and below row 15.
QStringList facePicture(const QStringList &face, char colour)
{
    QStringList rows;
    for (int y = 0; y < 20; ++y) {
        const bool inFace = y >= 3 && y <= 15;
        QString row = inFace ? face[y - 3] : QString(13, '.');
        rows << row.replace('#', colour);
    }
    return rows;
}

QStringList pictureOf(const QImage &strip, int left, int width)
{
    QStringList rows;
    for (int y = 0; y < strip.height(); ++y) {
        QString row;
        for (int x = left; x < left + width; ++x)
            row += letterOf(strip.pixel(x, y));
        rows << row;
    }
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
    }

    void sizeAndPalette()
    {
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

        const QStringList actual = pictureOf(strip, left, expected.first().size());
        if (actual != expected)
            qWarning().noquote() << "\nexpected:\n" + expected.join('\n')
                                        + "\nactual:\n" + actual.join('\n');
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(TestGlyphStrip)
#include "test_glyphstrip.moc"
