// The pictures the program finds at ":/...": that linking gameresources
// carries them, that each one loads and draws at its size, and that the
// icon shows the board's colours.

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

/// Renders an SVG at the given size onto a transparent image.
QImage render(const QString &path, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void svgPicture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("buttonPicture");

        const QSize button(20, 20);
        for (const char *name : {"bomb", "restart", "load", "save", "sound", "door", "previous",
                                 "next", "lips", "rules", "info", "cross", "smile", "tick"})
            QTest::newRow(name) << QStringLiteral(":/pictures/%1.svg").arg(name) << button << true;
        QTest::newRow("flags-english, 53 x 20") << ":/pictures/flags-english.svg" << QSize(53, 20) << false;
        QTest::newRow("flags-german, 80 x 20") << ":/pictures/flags-german.svg" << QSize(80, 20) << false;
        QTest::newRow("logo-maker, 100 x 75") << ":/pictures/logo-maker.svg" << QSize(100, 75) << false;
        QTest::newRow("logo-association, 119 x 68") << ":/pictures/logo-association.svg" << QSize(119, 68) << false;
        QTest::newRow("scalable icon, 32 x 32") << ":/icon/zorbix-hoplix.svg" << QSize(32, 32) << false;
    }

    /// Each SVG is in the linked resources, parses, has its stated size and
    /// draws something; a button picture leaves its corners transparent so
    /// the button's face shows around it.
    void svgPicture()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(bool, buttonPicture);

        QVERIFY2(QFile::exists(path), qPrintable(path + " is not in the linked resources"));
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);
        QCOMPARE(renderer.viewBoxF().size(), QSizeF(size));

        QVERIFY(!QIcon(path).pixmap(size).isNull());

        const QImage drawn = render(path, size);
        QVERIFY2(opaquePixels(drawn) > size.width() * size.height() / 8,
                 "draws less than an eighth of its area");
        if (buttonPicture) {
            for (QPoint corner : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 19), QPoint(19, 19)})
                QCOMPARE(qAlpha(drawn.pixel(corner)), 0);
        }
    }

    void pngPicture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("glyph strip, 148 x 20") << ":/glyphstrip.png" << QSize(148, 20);
        QTest::newRow("window icon, 32 x 32") << ":/icon/zorbix-hoplix-32.png" << QSize(32, 32);
    }

    void pngPicture()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(path), qPrintable(path + " is not in the linked resources"));
        const QImage image(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
    }

    /// The window icon has the platforms' two greens, the red hero and the
    /// black of space among its pixels.
    void iconColours()
    {
        const QImage icon(":/icon/zorbix-hoplix-32.png");

        QSet<QRgb> colours;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                colours.insert(icon.pixel(x, y));
        QVERIFY2(colours.contains(qRgb(0, 255, 0)), "no platform top");
        QVERIFY2(colours.contains(qRgb(0, 128, 0)), "no platform side");
        QVERIFY2(colours.contains(qRgb(255, 0, 0)), "no hero");
        QVERIFY2(colours.contains(qRgb(0, 0, 0)), "no black space");
    }

    /// The PNG must be the SVG as it stands, not a rendering of an older one.
    void iconPngMatchesSvg()
    {
        const QImage png = QImage(":/icon/zorbix-hoplix-32.png").convertToFormat(QImage::Format_ARGB32);
        const QImage svg = render(":/icon/zorbix-hoplix.svg", QSize(32, 32));
        QCOMPARE(png.size(), svg.size());

        // A little room for differences in antialiasing between Qt versions.
        int differing = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb a = png.pixel(x, y), b = svg.pixel(x, y);
                const int delta = qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                                       qMax(qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))));
                differing += delta > 8;
            }
        }
        QCOMPARE(differing, 0);
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
