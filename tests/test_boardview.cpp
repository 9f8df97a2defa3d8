// The projection and the canvas, pixel by pixel: the worked numbers at the
// design size 494 x 362 and the same drawing at another size.
#include "boardcanvas.h"
#include "pixels.h"

#include <QPainter>
#include <QTest>

Q_DECLARE_METATYPE(std::optional<Cell>)

namespace {

const BoardPicture Corner = {"H#", "", "", "", "", "", "", "#"};

} // namespace

class TestBoardView : public QObject {
    Q_OBJECT
private slots:
    void unitsAtTheDesignSize()
    {
        QCOMPARE(computeUnits(494, 362), (DrawingUnits{19, 32, 14, 24, 5}));
        QCOMPARE(computeUnits(0, 0), DrawingUnits{});
    }

    void basePoints()
    {
        const DrawingUnits u = computeUnits(494, 362);
        QCOMPARE(QPoint(CellBaseX(u, 0, 0), CellBaseY(u, 0)), QPoint(152, 64));
        QCOMPARE(QPoint(CellBaseX(u, 0, 7), CellBaseY(u, 7)), QPoint(19, 288));
        QCOMPARE(QPoint(CellBaseX(u, 7, 0), CellBaseY(u, 0)), QPoint(418, 64));
        const std::array<QPoint, 6> side{QPoint(152, 64), QPoint(180, 64), QPoint(194, 40),
                                         QPoint(194, 35), QPoint(180, 59), QPoint(152, 59)};
        QCOMPARE(sidePolygon(u, 0, 0), side);
        const std::array<QPoint, 4> top{QPoint(152, 59), QPoint(180, 59), QPoint(194, 35), QPoint(166, 35)};
        QCOMPARE(topPolygon(u, 0, 0), top);
        QCOMPARE(heroRect(u, 0, 0), QRect(QPoint(163, 37), QPoint(181, 57)));
    }

    void cellAtPoint_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<std::optional<Cell>>("cell");
        QTest::newRow("on the platform of (0, 0)") << QPoint(173, 47) << std::optional(Cell{0, 0});
        QTest::newRow("one unit left of (0, 0), s = -1") << QPoint(140, 40) << std::optional(Cell{0, 0});
        QTest::newRow("above the board, row -1") << QPoint(300, 31) << std::optional<Cell>();
        QTest::newRow("right of the board, column 8") << QPoint(456, 40) << std::optional<Cell>();
        QTest::newRow("front left corner (0, 7)") << QPoint(19, 287) << std::optional(Cell{0, 7});
        QTest::newRow("below the board, row 8") << QPoint(100, 290) << std::optional<Cell>();
        QTest::newRow("two units left of (0, 0), s = -2") << QPoint(132, 40) << std::optional<Cell>();
    }

    void cellAtPoint()
    {
        QFETCH(QPoint, point);
        QTEST(CellAtPoint(computeUnits(494, 362), point.x(), point.y()), "cell");
    }

    void clickZonesRoundTrip()
    {
        // Every cell's zone is the band of one row height above its front edge,
        // two units wide, at two sizes.
        for (const QSize size : {QSize(494, 362), QSize(800, 600)}) {
            const DrawingUnits u = computeUnits(size.width(), size.height());
            for (int col = 0; col < BoardSide; ++col) {
                for (int row = 0; row < BoardSide; ++row) {
                    const int x = CellBaseX(u, col, row), y = CellBaseY(u, row);
                    QCOMPARE(CellAtPoint(u, x, y - u.UnitH), std::optional(Cell{col, row}));
                    QCOMPARE(CellAtPoint(u, x + 2 * u.UnitW - 1, y - 1), std::optional(Cell{col, row}));
                }
            }
        }
    }

    void polygonsAreSolidOverTheirOutline()
    {
        Canvas c(494, 362, Corner);
        // Every vertex of cell (0, 0) is painted; the top face is drawn last.
        QCOMPARE(c.at(152, 64), SideColor);
        QCOMPARE(c.at(180, 64), SideColor);
        QCOMPARE(c.at(194, 40), SideColor);
        QCOMPARE(c.at(180, 59), TopColor);
        QCOMPARE(c.at(152, 59), TopColor);
        QCOMPARE(c.at(194, 35), TopColor);
        QCOMPARE(c.at(166, 35), TopColor);
        // Inside the faces, and just outside the slab.
        QCOMPARE(c.at(160, 62), SideColor);
        QCOMPARE(c.at(190, 42), SideColor);
        QCOMPARE(c.at(170, 50), HeroColor);
        QCOMPARE(c.at(160, 55), TopColor);
        QCOMPARE(c.at(151, 64), EmptyColor);
        QCOMPARE(c.at(152, 65), EmptyColor);
        QCOMPARE(c.at(195, 38), EmptyColor);
        QCOMPARE(c.at(165, 34), EmptyColor);
        // Cell (1, 0) too, and the empty cell (2, 0) stays black.
        QCOMPARE(c.at(190, 64), SideColor);
        QCOMPARE(c.at(200, 55), TopColor);
        QCOMPARE(c.at(240, 55), EmptyColor);
        // Cell (0, 7): base (19, 288).
        QCOMPARE(c.at(19, 288), SideColor);
        QCOMPARE(c.at(30, 280), TopColor);
    }

    void heroStaysInsideHisRectangle()
    {
        Canvas c(494, 362, Corner);
        QRect red;
        const QImage &image = c.box.canvas();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == HeroColor)
                    red |= QRect(x, y, 1, 1);
        QCOMPARE(red, QRect(QPoint(163, 37), QPoint(181, 57)));
    }

    void blackingOutACellRemovesTheHero()
    {
        Canvas c(494, 362, Corner);
        c.board.clear(0, 0);
        c.box.DrawCell(c.units, c.board, 0, 0);
        QCOMPARE(pixelCount(c.box.canvas(), HeroColor), 0);
        QCOMPARE(c.at(180, 64), EmptyColor);
        QCOMPARE(c.at(180, 59), EmptyColor);
        QCOMPARE(c.at(190, 64), SideColor); // the neighbour is untouched
    }

    void otherSizeScalesTogether()
    {
        Canvas c(800, 600, Corner);
        const DrawingUnits u = c.units;
        QCOMPARE(u, (DrawingUnits{32, 54, 24, 40, 9}));
        const QPoint base(CellBaseX(u, 0, 0), CellBaseY(u, 0));
        QCOMPARE(base, QPoint(256, 108));
        QCOMPARE(c.at(base.x(), base.y()), SideColor);
        QCOMPARE(c.at(base.x() + 2 * u.FaceDX, base.y() - u.SlabT), TopColor);
        QCOMPARE(c.at(base.x() + 3 * u.FaceDX, base.y() - u.FaceDY), SideColor);
        QCOMPARE(c.at(base.x() + 3 * u.FaceDX + 1, base.y() - u.FaceDY), EmptyColor);
        const QRect hero = heroRect(u, 0, 0);
        QCOMPARE(c.at(hero.center().x(), hero.center().y()), HeroColor);
        QCOMPARE(c.at(hero.right() + 1, hero.center().y()), TopColor);
        QCOMPARE(CellAtPoint(u, hero.center().x(), hero.center().y()), std::optional(Cell{0, 0}));
    }

    void cellsAreTheirPolygonsAtAnySize_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("design size 494 x 362") << QSize(494, 362);
        QTest::newRow("odd size 517 x 401") << QSize(517, 401);
        QTest::newRow("full HD 1920 x 1080") << QSize(1920, 1080);
    }

    /// A cell is drawn from one picture per kind, moved into place: the canvas
    /// must be pixel for pixel what drawing each cell's two polygons there, one
    /// cell after the other, gives.
    void cellsAreTheirPolygonsAtAnySize()
    {
        QFETCH(QSize, client);
        Canvas c(client.width(), client.height(), {}); // every cell drawn anew below
        BoardBox &box = c.box;
        const DrawingUnits u = c.units;
        Board board;
        for (int col = 0; col < BoardSide; ++col)
            for (int row = 0; row < BoardSide; ++row)
                if ((3 * col + row) % 4 != 0)
                    board.cells[size_t(col * BoardSide + row)] = 1;

        QImage expected(box.size(), QImage::Format_RGB32);
        expected.fill(EmptyColor);
        QPainter painter(&expected);
        const auto fill = [&painter](const auto &points, const QColor &color) {
            painter.setPen(color);
            painter.setBrush(color);
            painter.drawPolygon(points.data(), int(points.size()));
            painter.drawPoints(points.data(), int(points.size()));
        };
        for (int col = 0; col < BoardSide; ++col) {
            for (int row = 0; row < BoardSide; ++row) {
                const bool platform = board.hasPlatform(col, row);
                box.DrawCell(u, board, col, row);
                fill(sidePolygon(u, col, row), platform ? SideColor : EmptyColor);
                fill(topPolygon(u, col, row), platform ? TopColor : EmptyColor);
            }
        }
        painter.end();
        QCOMPARE(box.canvas(), expected);
    }
};

QTEST_MAIN(TestBoardView)
#include "test_boardview.moc"
