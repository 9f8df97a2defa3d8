// The level display and the progress bar, pixel by pixel.
#include "view/levelbox.h"
#include "view/progressgauge.h"

#include <QTest>

#include <algorithm>
#include <limits>

namespace {

/// The glyph-strip column each of the display's three digit places shows.
enum : int { Dark = 110 };

QImage stripPart(const QImage &strip, int x, int width)
{
    return strip.copy(x, 0, width, 20).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestStatusDisplays : public QObject {
    Q_OBJECT
private slots:
    void levelDisplay_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<QList<int>>("digits"); // strip x of each place
        QTest::newRow("1: dark, dark, 1") << 1 << false << QList<int>{Dark, Dark, 11};
        QTest::newRow("7 solved: dark, dark, 7") << 7 << true << QList<int>{Dark, Dark, 77};
        QTest::newRow("40: dark, 4, 0") << 40 << false << QList<int>{Dark, 44, 0};
        QTest::newRow("100: 1, 0, 0") << 100 << true << QList<int>{11, 0, 0};
        QTest::newRow("105: 1, 0, 5") << 105 << false << QList<int>{11, 0, 55};
        QTest::newRow("200: 2, 0, 0") << 200 << true << QList<int>{22, 0, 0};
    }

    void levelDisplay()
    {
        QFETCH(int, level);
        QFETCH(bool, solved);
        QFETCH(QList<int>, digits);
        const QImage strip(QStringLiteral(":/glyphstrip.png"));
        QVERIFY(!strip.isNull());
        const QImage display = levelDisplayImage(strip, level, solved);
        QCOMPARE(display.size(), QSize(57, 20));
        for (int k = 0; k < 3; ++k)
            QCOMPARE(stripPart(display, 13 * k, 11), stripPart(strip, digits[k], 11));
        QCOMPARE(stripPart(display, 42, 13), stripPart(strip, solved ? 122 : 135, 13));
        // The gaps between the places show the black underneath.
        for (int x : {11, 12, 24, 25, 37, 41, 55, 56})
            for (int y = 0; y < 20; ++y)
                QCOMPARE(display.pixelColor(x, y), QColor(Qt::black));
        // The display widget shows that picture.
        LevelBox box;
        box.resize(57, 20);
        box.showLevel(level, solved);
        QCOMPARE(box.grab().toImage().convertToFormat(display.format()), display);
    }

    void progressWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("red");
        QTest::newRow("nothing solved") << 494 << 0 << 200 << 0;
        QTest::newRow("1 of 200 is 0 %") << 494 << 1 << 200 << 0;
        QTest::newRow("2 of 200 is 1 %") << 494 << 2 << 200 << 4;
        QTest::newRow("25 % is exact") << 494 << 50 << 200 << 123;
        QTest::newRow("50 % is exact") << 494 << 100 << 200 << 247;
        QTest::newRow("20 % comes out one short") << 494 << 40 << 200 << 98;
        QTest::newRow("40 % comes out one short") << 494 << 80 << 200 << 197;
        QTest::newRow("199 of 200 is 99 %") << 494 << 199 << 200 << 490;
        QTest::newRow("all solved fills the bar") << 494 << 200 << 200 << 495;
        QTest::newRow("no levels") << 494 << 0 << 0 << 0;
        QTest::newRow("narrow bar, 20 %") << 4 << 1 << 5 << 0;
    }

    void progressWidth()
    {
        QFETCH(int, width);
        QFETCH(int, position);
        QFETCH(int, maximum);
        QTEST(progressFillWidth(width, position, maximum), "red");
    }

    void progressWidthAsExtendedPrecisionGivesIt()
    {
        // Where this compiler's long double is the processor's 80-bit extended
        // precision, the widths worked out in integers must be the very ones it
        // gives, for every percentage on bars up to 4000 pixels wide.
        if (std::numeric_limits<long double>::digits != 64)
            QSKIP("long double here is not 80-bit extended precision, nothing to compare with");
        for (int w = 0; w <= 4000; ++w)
            for (int percent = 0; percent <= 100; ++percent) {
                const long double native = (w + 1) * (percent * 0.01L);
                const int expected = std::min(int(native), w + 1);
                if (progressFillWidth(w, percent, 100) != expected)
                    QFAIL(qPrintable(QStringLiteral("bar %1 px at %2 %").arg(w).arg(percent)));
            }
    }

    void progressBarIsRedThenBlack()
    {
        ProgressGauge gauge;
        gauge.resize(494, 15);
        gauge.setMaximum(200);
        gauge.setPosition(100);
        const QImage picture = gauge.grab().toImage();
        QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(picture.pixelColor(246, 14), QColor(Qt::red));
        QCOMPARE(picture.pixelColor(247, 7), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(493, 14), QColor(Qt::black));
        gauge.setPosition(200);
        QCOMPARE(gauge.grab().toImage().pixelColor(493, 7), QColor(Qt::red));
    }
};

QTEST_MAIN(TestStatusDisplays)
#include "test_statusdisplays.moc"
