// The link label: its colours, the address it opens and its silence after
// the desktop refused once.

#include "services/linklabel.h"

#include <QTest>

namespace {

const QColor Blue(0, 0, 255);
const QColor Purple(128, 0, 128);

QColor textColour(const QLabel &label)
{
    return label.palette().color(QPalette::WindowText);
}

} // namespace

class TestLinkLabel : public QObject {
    Q_OBJECT

private slots:
    void mouse_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::MouseButton>("released");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("visits");
        QTest::addColumn<int>("opens");
        const Qt::MouseButton left = Qt::LeftButton, right = Qt::RightButton;
        QTest::newRow("left click opens") << left << left << QPoint(5, 5) << 1 << 1;
        QTest::newRow("left press dragged off opens nothing") << left << left << QPoint(5, 40) << 1 << 0;
        QTest::newRow("right click is no visit") << right << right << QPoint(5, 5) << 0 << 0;
        QTest::newRow("left press, right release opens nothing") << left << right << QPoint(5, 5) << 1 << 0;
    }

    void mouse()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::MouseButton, released);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, visits);
        QFETCH(int, opens);
        LinkLabel label(QStringLiteral("http://www.zorbix.example/"));
        label.resize(150, 15);
        QList<QUrl> opened;
        label.setOpener([&](const QUrl &url) { return opened << url, true; });
        label.show();
        QCOMPARE(textColour(label), Blue);
        QVERIFY(label.font().underline());
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);

        // The press turns the link purple and counts the visit; only the release opens.
        const QColor colour = visits ? Purple : Blue;
        QTest::mousePress(&label, button, {}, QPoint(5, 5));
        QCOMPARE(label.visitCount(), visits);
        QCOMPARE(textColour(label), colour);
        QVERIFY(opened.isEmpty());
        QTest::mouseRelease(&label, released, {}, releaseAt);
        QCOMPARE(label.visitCount(), visits);
        QCOMPARE(textColour(label), colour);
        QCOMPARE(opened, QList<QUrl>(opens, QUrl(QStringLiteral("http://www.zorbix.example/"))));
    }

    void target_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");
        QTest::newRow("target as given") << "Homepage"
                                         << "http://www.zorbix.example/"
                                         << "http://www.zorbix.example/";
        QTest::newRow("blanks around the target dropped") << "Homepage"
                                                          << "  http://www.zorbix.example/  "
                                                          << "http://www.zorbix.example/";
        QTest::newRow("blank target, e-mail caption") << "hoplix@zorbix.example"
                                                      << "   "
                                                      << "mailto:hoplix@zorbix.example";
        QTest::newRow("no target, address caption") << "http://www.zorbix.example/"
                                                    << ""
                                                    << "http://www.zorbix.example/";
    }

    void target()
    {
        QFETCH(QString, caption);
        QFETCH(QString, target);
        QFETCH(QString, expected);
        LinkLabel label(caption);
        label.setTarget(target);
        QStringList opened;
        label.setOpener([&](const QUrl &url) { return opened << url.toString(), true; });
        label.FollowLink();
        QCOMPARE(opened, QStringList{expected});
        QCOMPARE(label.visitCount(), 1);
        QCOMPARE(textColour(label), Purple);
    }

    void refusalSwitchesTheLinkOff()
    {
        LinkLabel label(QStringLiteral("ZXBLabel"));
        label.setTarget(QStringLiteral("http://www.zorbix.example/"));
        label.resize(100, 15);
        int asked = 0;
        label.setOpener([&](const QUrl &) { return ++asked, false; });
        label.show();

        label.FollowLink();
        QVERIFY(!label.isLinkOn());
        QVERIFY(!label.isEnabled());
        // For the rest of the run nothing happens, by call or by click.
        label.FollowLink();
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(asked, 1);
        QCOMPARE(label.visitCount(), 1);
    }
};

QTEST_MAIN(TestLinkLabel)
#include "test_linklabel.moc"
