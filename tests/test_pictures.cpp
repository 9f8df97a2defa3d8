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

/// The picture at its size on a transparent image, an SVG rendered.
QImage drawn(const QString &path, QSize size)
{
    if (!path.endsWith(".svg"))
        return QImage(path).convertToFormat(QImage::Format_ARGB32);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void picture_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("buttonPicture");

        for (const char *name : {"bomb", "restart", "load", "save", "sound", "door", "previous", "next", "lips",
                                 "rules", "info", "cross", "smile", "tick"})
            QTest::newRow(name) << QStringLiteral(":/pictures/%1.svg").arg(name) << QSize(20, 20) << true;
        QTest::newRow("flags-english, 53 x 20") << ":/pictures/flags-english.svg" << QSize(53, 20) << false;
        QTest::newRow("flags-german, 80 x 20") << ":/pictures/flags-german.svg" << QSize(80, 20) << false;
        QTest::newRow("logo-maker, 100 x 75") << ":/pictures/logo-maker.svg" << QSize(100, 75) << false;
        QTest::newRow("logo-association, 119 x 68") << ":/pictures/logo-association.svg" << QSize(119, 68) << false;
        QTest::newRow("scalable icon, 32 x 32") << ":/icon/zorbix-hoplix.svg" << QSize(32, 32) << false;
        QTest::newRow("glyph strip, 148 x 20") << ":/glyphstrip.png" << QSize(148, 20) << false;
        QTest::newRow("window icon, 32 x 32") << ":/icon/zorbix-hoplix-32.png" << QSize(32, 32) << false;
    }

    /// Each picture is in the linked resources, loads at its stated size and
    /// draws over an eighth of its area; a button picture leaves its corners
    /// transparent so the button's face shows around it.
    void picture()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(bool, buttonPicture);

        QVERIFY2(QFile::exists(path), qPrintable(path + " is not in the linked resources"));
        if (path.endsWith(".svg")) {
            QSvgRenderer renderer(path);
            QVERIFY(renderer.isValid());
            QCOMPARE(renderer.defaultSize(), size);
            QCOMPARE(renderer.viewBoxF().size(), QSizeF(size));
            QVERIFY(!QIcon(path).pixmap(size).isNull());
        }
        const QImage image = drawn(path, size);
        QCOMPARE(image.size(), size);
        int opaque = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 0;
        QVERIFY2(opaque > size.width() * size.height() / 8, "draws less than an eighth of its area");
        if (buttonPicture) {
            for (QPoint corner : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 19), QPoint(19, 19)})
                QCOMPARE(qAlpha(image.pixel(corner)), 0);
        }
    }

    /// The window icon is the SVG as it stands, not a rendering of an older
    /// one, and shows the platforms' two greens, the red hero and black space.
    void iconPng()
    {
        const QImage png = drawn(":/icon/zorbix-hoplix-32.png", QSize(32, 32));
        const QImage svg = drawn(":/icon/zorbix-hoplix.svg", QSize(32, 32));
        QSet<QRgb> colours;
        int differing = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb a = png.pixel(x, y), b = svg.pixel(x, y);
                colours.insert(a);
                // A little room for differences in antialiasing between Qt versions.
                differing += qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                                  qMax(qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))))
                             > 8;
            }
        }
        QCOMPARE(differing, 0);
        for (QRgb colour : {qRgb(0, 255, 0), qRgb(0, 128, 0), qRgb(255, 0, 0), qRgb(0, 0, 0)})
            QVERIFY2(colours.contains(colour), qPrintable(QString::number(colour, 16) + " is missing"));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
