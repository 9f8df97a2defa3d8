// The star field: the order of its random draws, and what a twinkle does to
// the board canvas under it.
#include "boardcanvas.h"
#include "pixels.h"

#include <QTest>

#include <chrono>
#include <deque>
#include <functional>

namespace {

const BoardPicture TwoPlatforms = {"H#"};
const QList<QPoint> Arms{{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

QColor grey(int v)
{
    return QColor(v, v, v);
}

/// Remembers every draw asked of it and what it gave; while it has numbers
/// in its script, it gives those instead of its own.
struct RecordingRandom : StarRandom {
    QList<int> asked;
    QList<int> given;
    std::deque<int> script;

    int Random(int n) override
    {
        int value = StarRandom::Random(n);
        if (!script.empty()) {
            value = script.front();
            script.pop_front();
        }
        asked << n;
        given << value;
        return value;
    }
};

/// The board area at the design size with two platforms and the hero, and a
/// star field over it from a seeded generator.
struct Sky : Canvas {
    RecordingRandom random;
    StarField stars{random};

    Sky() : Canvas(494, 362, TwoPlatforms) { random.seed(20261207); }

    /// Places the field, the first stars where given; the draws are forgotten.
    void place(const QList<Star> &first)
    {
        for (const Star &s : first)
            random.script.insert(random.script.end(), {s.x / 3, s.y / 3, s.big ? 19 : 0});
        stars.PlaceStars(494, 362);
        random.asked.clear();
        random.given.clear();
    }
    /// Star i twinkles, with grey level v.
    void twinkle(int i, int v)
    {
        random.script.push_back(v);
        box.TwinkleStar(stars, i);
    }
    /// The first point of the star grid whose pixels suit, or (-1, -1).
    QPoint find(const std::function<bool(QPoint)> &suits) const
    {
        for (int y = 3; y < box.height() - 1; y += 3)
            for (int x = 3; x < box.width() - 1; x += 3)
                if (suits(QPoint(x, y)))
                    return QPoint(x, y);
        return QPoint(-1, -1);
    }
};

} // namespace

class TestStarField : public QObject {
    Q_OBJECT
private slots:
    void placeThenTwinkleEveryStar_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("canvas");
        QTest::newRow("design size") << QSize(494, 362) << QSize(494, 314);
        QTest::newRow("1 x 1 window: no board area, every star at 0, 0") << QSize(1, 1) << QSize(1, 0);
        QTest::newRow("huge window over the design canvas") << QSize(30000, 20000) << QSize(494, 314);
    }

    void placeThenTwinkleEveryStar()
    {
        QFETCH(QSize, client);
        QFETCH(QSize, canvas);
        RecordingRandom random;
        random.seed(1);
        // The first two stars' draws: column, row in thirds, then 0..19,
        // of which 18 and 19 make a big star.
        const bool scripted = client == QSize(494, 362);
        if (scripted)
            random.script = {10, 7, 18, 0, 0, 17};
        StarField stars(random);
        stars.PlaceStars(client.width(), client.height());
        if (scripted) {
            QCOMPARE((QList<int>{stars.star(1).x, stars.star(1).y, stars.star(1).big}), (QList<int>{30, 21, 1}));
            QCOMPARE((QList<int>{stars.star(2).x, stars.star(2).y, stars.star(2).big}), (QList<int>{0, 0, 0}));
        }

        // Three draws per star, in the order x, y, big.
        QCOMPARE(random.asked.size(), 3 * StarField::StarCount);
        const QList<int> perStar{client.width() / 3, client.height() / 3, 20};
        int big = 0;
        for (int i = 1; i <= StarField::StarCount; ++i) {
            const int k = 3 * (i - 1);
            const Star &s = stars.star(i);
            QCOMPARE(random.asked.mid(k, 3), perStar);
            QVERIFY(s.x % 3 == 0 && s.y % 3 == 0);
            QVERIFY(s.x >= 0 && s.x < client.width() && s.y >= 0 && s.y < client.height());
            big += s.big;
        }
        QVERIFY2(big > 50 && big < 150, qPrintable(QString::number(big))); // one in ten

        // The full repaint's twinkles: a draw each, nothing read or written
        // outside the canvas (QImage warns of any such access).
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QImage image(canvas, QImage::Format_RGB32);
        image.fill(Qt::black);
        random.asked.clear();
        const QRect changed = stars.TwinkleAll(image);
        QVERIFY(changed.isEmpty() || image.rect().contains(changed));
        QCOMPARE(random.asked.size(), StarField::StarCount);
    }

    void tickPicksFiftyStarsAndShowsOnlyThem()
    {
        Sky sky;
        sky.place({});
        PaintSpy spy;
        sky.box.installEventFilter(&spy);
        sky.box.show();
        // The whole area's first paint is over before the tick.
        QTRY_VERIFY(QRegion(sky.box.rect()).subtracted(spy.painted).isEmpty());
        spy.painted = QRegion();
        const QImage before = sky.box.canvas().copy();

        sky.box.twinkleTick(sky.stars);
        // A hundred draws: the star, then its grey level, fifty times.
        QList<int> alternating;
        for (int k = 0; k < StarField::TwinklesPerTick; ++k)
            alternating << 1000 << 256;
        QCOMPARE(sky.random.asked, alternating);

        std::map<std::pair<int, int>, int> lastGrey; // the later pick of a star wins
        QRegion aroundPicked;
        for (int k = 0; k < StarField::TwinklesPerTick; ++k) {
            const Star &s = sky.stars.star(sky.random.given[2 * k] + 1);
            if (before.valid(s.x, s.y) && before.pixelColor(s.x, s.y) == EmptyColor)
                lastGrey[{s.x, s.y}] = sky.random.given[2 * k + 1];
            aroundPicked += QRect(s.x - 1, s.y - 1, 3, 3);
        }
        QVERIFY(lastGrey.size() > 30);
        for (const auto &[at, v] : lastGrey)
            QCOMPARE(sky.at(QPoint(at.first, at.second)), grey(v));
        // Only the pixels of the picked stars are shown again, not the whole area.
        QTRY_VERIFY(!spy.painted.isEmpty());
        QVERIFY(spy.painted.subtracted(aroundPicked).isEmpty());
    }

    void hiddenStarKeepsItsPixelButDraws_data()
    {
        QTest::addColumn<QColor>("under");
        QTest::newRow("on a platform's top") << TopColor;
        QTest::newRow("on a platform's side") << SideColor;
        QTest::newRow("on the hero") << HeroColor;
    }

    void hiddenStarKeepsItsPixelButDraws()
    {
        QFETCH(QColor, under);
        Sky sky;
        const QPoint p = sky.find([&](QPoint q) { return sky.at(q) == under; });
        QVERIFY(p.x() >= 0);
        sky.place({{p.x(), p.y(), 1}});
        const QImage before = sky.box.canvas().copy();
        sky.twinkle(1, 200);
        QCOMPARE(sky.random.asked, QList<int>{256});
        QCOMPARE(sky.box.canvas(), before);
    }

    void armOnAPlatformStaysGreen()
    {
        Sky sky;
        const QPoint p = sky.find([&](QPoint q) {
            return sky.at(q) == EmptyColor
                   && std::any_of(Arms.begin(), Arms.end(), [&](QPoint arm) { return sky.at(q + arm) != EmptyColor; });
        });
        QVERIFY(p.x() >= 0);
        sky.place({{p.x(), p.y(), 1}});
        QList<QColor> armsBefore;
        for (const QPoint arm : Arms)
            armsBefore << sky.at(p + arm);
        // Twice: the second time the black arms have the centre's grey and follow it.
        for (const int v : {200, 50}) {
            sky.twinkle(1, v);
            QCOMPARE(sky.at(p), grey(v));
            for (int a = 0; a < Arms.size(); ++a)
                QCOMPARE(sky.at(p + Arms[a]), armsBefore[a] == EmptyColor ? grey(v) : armsBefore[a]);
        }
    }

    void starUnderAVanishedPlatformReappears()
    {
        Sky sky;
        // The grid point nearest the middle of the top face of the platform
        // beside the hero.
        const std::array<QPoint, 4> top = topPolygon(sky.units, 1, 0);
        const QPoint middle = (top[0] + top[2]) / 2;
        const QPoint p(middle.x() / 3 * 3, middle.y() / 3 * 3);
        QCOMPARE(sky.at(p), TopColor);
        sky.place({{p.x(), p.y(), 0}});
        sky.twinkle(1, 200);
        QCOMPARE(sky.at(p), TopColor);
        sky.board.clear(1, 0);
        sky.box.DrawCell(sky.units, sky.board, 1, 0);
        QCOMPARE(sky.at(p), EmptyColor); // until its next twinkle
        sky.twinkle(1, 120);
        QCOMPARE(sky.at(p), grey(120));
    }

    void eachStartHasASkyOfItsOwn()
    {
        StarRandom first, second; // seeded from the clock at two moments
        first.seedFromClock();
        for (const auto seeded = std::chrono::system_clock::now(); std::chrono::system_clock::now() == seeded;) {
        }
        second.seedFromClock();
        QVERIFY(first.Random(1 << 30) != second.Random(1 << 30));
    }

    void twoStarsOnOnePixel()
    {
        Sky sky;
        const QPoint p = sky.find([&](QPoint q) { return sky.at(q) == EmptyColor; });
        sky.place({{p.x(), p.y(), 0}, {p.x(), p.y(), 0}});
        sky.twinkle(1, 10);
        sky.twinkle(2, 20);
        QCOMPARE(sky.at(p), grey(20));
        sky.twinkle(1, 30);
        QCOMPARE(sky.at(p), grey(30));
    }
};

QTEST_MAIN(TestStarField)
#include "test_starfield.moc"
