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

class TestLinkLabel : public QObject
{
    Q_OBJECT

private slots:
    void looksLikeALinkUntilPressed();
    void pressCountsAVisitAndReleaseOpens();
    void pressDraggedOffOpensNothing();
    void target_data();
    void target();
    void refusalSwitchesTheLinkOff();
};

void TestLinkLabel::looksLikeALinkUntilPressed()
{
    LinkLabel label(QStringLiteral("Zorbix"));
    QCOMPARE(textColour(label), Blue);
    QVERIFY(label.font().underline());
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(label.visitCount(), 0);
}

void TestLinkLabel::pressCountsAVisitAndReleaseOpens()
{
    LinkLabel label(QStringLiteral("http://www.zorbix.example/"));
    label.resize(150, 15);
    QList<QUrl> opened;
    label.setOpener([&](const QUrl &url) {
        opened << url;
        return true;
    });
    label.show();

    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(label.visitCount(), 1);
    QCOMPARE(textColour(label), Purple);
    QVERIFY(opened.isEmpty()); // the click, not the press, opens
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("http://www.zorbix.example/"))}));
    QCOMPARE(textColour(label), Purple); // for good

    label.FollowLink();
    QCOMPARE(label.visitCount(), 2);
    QCOMPARE(opened.size(), 2);

    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(label.visitCount(), 2);
    QCOMPARE(opened.size(), 2);
}

void TestLinkLabel::pressDraggedOffOpensNothing()
{
    LinkLabel label(QStringLiteral("http://www.zorbix.example/"));
    label.resize(150, 15);
    int opens = 0;
    label.setOpener([&](const QUrl &) { return ++opens, true; });
    label.show();
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 40));
    QCOMPARE(label.visitCount(), 1);
    QCOMPARE(opens, 0);
}

void TestLinkLabel::target_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");
    QTest::newRow("target as given") << "Homepage" << "http://www.zorbix.example/"
                                     << "http://www.zorbix.example/";
    QTest::newRow("blanks around the target dropped") << "Homepage" << "  http://www.zorbix.example/  "
                                                      << "http://www.zorbix.example/";
    QTest::newRow("blank target, e-mail caption") << "hoplix@zorbix.example" << "   "
                                                  << "mailto:hoplix@zorbix.example";
    QTest::newRow("no target, address caption") << "http://www.zorbix.example/" << ""
                                                << "http://www.zorbix.example/";
}

void TestLinkLabel::target()
{
    QFETCH(QString, caption);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    LinkLabel label(caption);
    label.setTarget(target);
    QString opened;
    label.setOpener([&](const QUrl &url) {
        opened = url.toString();
        return true;
    });
    label.FollowLink();
    QCOMPARE(opened, expected);
}

void TestLinkLabel::refusalSwitchesTheLinkOff()
{
    LinkLabel label(QStringLiteral("ZXBLabel"));
    label.setTarget(QStringLiteral("http://www.zorbix.example/"));
    label.resize(100, 15);
    int asked = 0;
    label.setOpener([&](const QUrl &) { return ++asked, false; });
    label.show();

    label.FollowLink();
    QCOMPARE(asked, 1);
    QCOMPARE(label.visitCount(), 1);
    QVERIFY(!label.isLinkOn());
    QVERIFY(!label.isEnabled());

    // For the rest of the run nothing happens, by call or by click.
    label.FollowLink();
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(asked, 1);
    QCOMPARE(label.visitCount(), 1);
}

QTEST_MAIN(TestLinkLabel)
#include "test_linklabel.moc"
