// The scrolling strip: where each step puts the line, and the pass that
// loops. (Strips of odd sizes are tried with the whole window.)
#include "pixels.h"
#include "services/marqueestrip.h"

#include <QTest>

namespace {

const QString Line = QStringLiteral("Click here do visit the Zorbix Bytes Homepage.     ");

/// Pixels of the frame in the text's own colour.
int textPixels(const QImage &frame)
{
    return pixelCount(frame, MarqueeStrip::TextColour);
}

} // namespace

class TestMarquee : public QObject {
    Q_OBJECT
private slots:
    void textX_data()
    {
        QTest::addColumn<int>("stripWidth");
        QTest::addColumn<int>("textWidth");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("x");
        // 494 + 1006 = 1500: one pixel per step.
        QTest::newRow("p 0: just outside the right edge") << 494 << 1006 << 0 << 494;
        QTest::newRow("p 1: one pixel in") << 494 << 1006 << 1 << 493;
        QTest::newRow("p 1500: just gone at the left") << 494 << 1006 << 1500 << -1006;
        QTest::newRow("p 1501: one pixel further out") << 494 << 1006 << 1501 << -1007;
        QTest::newRow("2.5 rounds down to even") << 3 << 2 << 750 << 0;
        QTest::newRow("3.5 rounds up to even") << 5 << 2 << 750 << 2;
    }

    void textX()
    {
        QFETCH(int, stripWidth);
        QFETCH(int, textWidth);
        QFETCH(int, p);
        QTEST(marqueeX(stripWidth, textWidth, p, MarqueeStrip::Steps), "x");
    }

    void passLoopsFrom1501To1()
    {
        MarqueeStrip strip;
        strip.resize(494, 15);
        strip.setText(Line);
        QVERIFY(strip.textWidth() > 200);
        QCOMPARE(strip.textHeight(), QFontMetrics(strip.font()).height());
        strip.start();
        QVERIFY(strip.isRunning() && strip.isVisible()); // a hidden strip shows as it starts
        QCOMPARE(strip.position(), 0);
        QCOMPARE(strip.textX(), 494);
        QCOMPARE(textPixels(strip.frame()), 0); // black until the line enters

        // Steps come here one by one; the strip's own timer gets no event
        // loop. In 1500 steps the line moves from the right edge until it has
        // left at the left, a pixel a step at most: 494 + its width < 1500.
        QCOMPARE(MarqueeStrip::Steps, 1500);
        const int tw = strip.textWidth();
        QVERIFY(494 + tw < 1500);
        int x = 494, first = 0;
        for (int p = 1; p <= 1501; ++p) {
            strip.step();
            QVERIFY2(strip.textX() == x || strip.textX() == x - 1, qPrintable(QString::number(p)));
            x = strip.textX();
            first = p == 1 ? x : first;
            if (p == 300)
                QVERIFY(textPixels(strip.frame()) > 0);
            if (p == 1500) {
                QCOMPARE(x, -tw);
                QCOMPARE(textPixels(strip.frame()), 0);
            }
        }
        QCOMPARE(strip.position(), 0);
        strip.step();
        QCOMPARE(strip.position(), 1);
        QCOMPARE(strip.textX(), first);
    }
};

QTEST_MAIN(TestMarquee)
#include "test_marquee.moc"
