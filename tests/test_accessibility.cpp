// The board as Qt's accessibility gives it to screen readers: the keyboard sink's name and the
// board's table, before and after a jump, a loss and a solve, and the name changes told of each.
#include "mainformfixture.h"

#include "app/gameaccessibility.h"
#include "dialogs/gamedialog.h"
#include "view/progressgauge.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

/// The interfaces whose name, or description, changes were told since the last clear.
QList<QAccessibleInterface *> renamed, redescribed;

void record(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged)
        renamed << event->accessibleInterface();
    if (event->type() == QAccessible::DescriptionChanged)
        redescribed << event->accessibleInterface();
}

/// What a screen reader would find in a window, a toolbar or the board and
/// read as nothing: a visible part without a name. Decoration (bevels,
/// lines, the game's icon) is hidden.
QStringList nameless(QAccessibleInterface *node)
{
    using A = QAccessible;
    if (!QList{A::Window, A::Dialog, A::ToolBar, A::Table}.contains(node->role()))
        return node->state().invisible || !node->text(A::Name).isEmpty() ? QStringList()
                                                                         : QStringList{node->object()->objectName()};
    QStringList found;
    for (int i = 0; i < node->childCount(); ++i)
        found += nameless(node->child(i));
    return found;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QAccessible::installFactory(gameAccessible);
        // Qt tells of changes only while a screen reader listens: the test
        // listens as one would, through the platform's accessibility.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(record);
    }

    void readsTheBoard_data()
    {
        QTest::addColumn<const BoardPicture *>("picture");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("cells");  ///< as the board pictures write them
        QTest::addColumn<QList<int>>("renamed"); ///< the name changes told: of the sink, of cells, of the board
        const QStringList crossing{"", "", "..H#", "..#"};
        QTest::newRow("start") << &Crossing << QStringList() << "Level 1. Hoplix on row 3, column 3. 3 platforms left."
                               << crossing << QList<int>{0, 0, 0};
        QTest::newRow("Right: one column right")
            << &Crossing << QStringList{"Right"} << "Level 1. Hoplix on row 3, column 4. 2 platforms left."
            << QStringList{"", "", "...H", "..#"} << QList<int>{1, 2, 0};
        QTest::newRow("Down: one row down")
            << &Crossing << QStringList{"Down"} << "Level 1. Hoplix on row 4, column 3. 2 platforms left."
            << QStringList{"", "", "...#", "..H"} << QList<int>{1, 2, 0};
        QTest::newRow("a loss") << &Crossing << QStringList{"Up"} << "Level 1 lost. Hoplix on row 3, column 3."
                                << crossing << QList<int>{1, 0, 0};
        QTest::newRow("the last platform")
            << &TwoInARow << QStringList{"Right"}
            << "Level 1. Hoplix on row 1, column 2, on the last platform: any key solves the level."
            << QStringList{".H"} << QList<int>{1, 2, 0};
        QTest::newRow("a solve") << &TwoInARow << QStringList{"Right", "Space"} << "Level 1 solved." << QStringList()
                                 << QList<int>{2, 3, 0};
    }

    void readsTheBoard()
    {
        QFETCH(const BoardPicture *, picture);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, cells);
        QFETCH(QString, summary);
        MainFormFixture f;
        f.start(2, *picture);
        renamed.clear();
        redescribed.clear();
        QStringList unnamed;
        QString described, asked; // the question dialog's description, and its question
        if (summary.contains(QLatin1String(" lost")) || summary.contains(QLatin1String(" solved")))
            f.answers.then([&](QWidget *w) { // the question of a loss or a solve: No, the board stays
                unnamed = nameless(QAccessible::queryAccessibleInterface(w));
                described = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
                asked = static_cast<TGameDialog *>(w)->Label1->text();
                DialogAnswerer::click(w, QStringLiteral("NoBtn"));
            });
        f.keys(keys);
        QCOMPARE(described, asked);
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(f.form.get());
        unnamed += nameless(window);
        QCOMPARE(window->indexOfChild(QAccessible::queryAccessibleInterface(f.form->ZXBLabel)), -1); // never shown
        QCOMPARE(unnamed, QStringList());

        QAccessibleInterface *sink = QAccessible::queryAccessibleInterface(f.form->DummyMemo);
        QCOMPARE(sink->childCount(), 0); // no text and no scroll bars out of sight
        QCOMPARE(sink->text(QAccessible::Name), summary);
        const auto isCell = [](QAccessibleInterface *told) { return told->role() == QAccessible::Cell; };
        QAccessibleInterface *board = QAccessible::queryAccessibleInterface(f.form->box);
        QTEST(QList<int>({int(renamed.count(sink)), int(std::count_if(renamed.begin(), renamed.end(), isCell)),
                          int(renamed.count(board))}),
              "renamed");
        QCOMPARE(redescribed.count(board), renamed.count(sink)); // the board's description is the sink's name

        QAccessibleInterface *gauge = QAccessible::queryAccessibleInterface(f.form->gsol);
        QCOMPARE(gauge->text(QAccessible::Name), "Progress");
        const QAccessibleValueInterface *solved = gauge->valueInterface(); // levels solved, of 2
        QVERIFY(solved);
        QCOMPARE(QList({solved->currentValue(), solved->maximumValue()}),
                 QVariantList({int(summary.endsWith("solved.")), 2}));
        QCOMPARE(QList({board->child(-1), board->child(board->childCount())}),
                 QList<QAccessibleInterface *>({nullptr, nullptr}));
        QAccessibleTableInterface *table = board->tableInterface();
        QCOMPARE(QList<int>({table->rowCount(), table->columnCount()}), QList<int>({8, 8}));
        const QHash<QChar, QString> names{{'H', "Hoplix on a platform"}, {'#', "platform"}, {'.', "empty"}};
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 8; ++column) {
                QAccessibleInterface *cell = table->cellAt(row, column);
                QCOMPARE(cell->role(), QAccessible::Cell);
                const QAccessibleTableCellInterface *place = cell->tableCellInterface();
                QVERIFY(place);
                QCOMPARE(QList({place->rowIndex(), place->columnIndex(), board->indexOfChild(cell)}),
                         QList({row, column, row * 8 + column}));
                QCOMPARE(QList({place->rowHeaderCells().value(0)->role(), place->columnHeaderCells().value(0)->role()}),
                         QList({QAccessible::RowHeader, QAccessible::ColumnHeader}));
                QCOMPARE(cell->text(QAccessible::Name), names.value(cells.value(row).leftJustified(8, '.')[column]));
            }
        }
    }

    void theInfoDialogHidesItsDecoration()
    {
        MainFormFixture f;
        f.writeLevels(2, Crossing);
        f.writeSettings(QStringLiteral("tongue=0\n"));
        QVERIFY(f.create());
        QStringList unnamed{QStringLiteral("the info dialog never came")};
        f.answers.then([&](QWidget *w) {
            unnamed = nameless(QAccessible::queryAccessibleInterface(w));
            DialogAnswerer::click(w, QStringLiteral("OKBtn"));
        });
        f.form->show();
        QTRY_VERIFY(f.answers.done());
        QCOMPARE(unnamed, QStringList());
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
