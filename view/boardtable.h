#pragma once
// The board area as a screen reader reads it: a table of 8 rows and 8
// columns with row and column headers, each cell named for what it holds,
// so that a screen reader's review can walk the board; the table's
// description is what the keyboard sink says. It reads what the board area
// shows, and tells screen readers of each name that a change of the board
// or of the language changed.

#include "view/boardwords.h"

#include <QAccessibleWidget>

#include <array>

class BoardBox;
class BoardTablePart;

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardBox *box);
    ~BoardTable() override;

    /// Tells screen readers which names changed from what the box showed
    /// before to what it shows now; nothing when the box's interface is no
    /// BoardTable.
    static void tellChanges(BoardBox *box, const ShownBoard &before);

    const ShownBoard &shown() const;
    /// Where a cell's slab lies on the screen.
    QRect cellRect(Cell cell) const;
    QAccessibleInterface *rowHeader(int row) const;
    QAccessibleInterface *columnHeader(int column) const;

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    QAccessibleInterface *cellAt(int row, int column) const override;
    int rowCount() const override { return BoardSide; }
    int columnCount() const override { return BoardSide; }
    QString rowDescription(int row) const override;
    QString columnDescription(int column) const override;
    // No caption or summary of their own, nothing to select, a model that
    // never changes shape.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    /// The 64 cells row by row, then the 8 column headers, then the 8 row
    /// headers; Qt's accessibility cache owns them once registered, and
    /// they go by their ids, which stay valid when a part has gone before.
    std::array<BoardTablePart *, CellCount + 2 * BoardSide> m_parts{};
    std::array<QAccessible::Id, CellCount + 2 * BoardSide> m_partIds{};
};
