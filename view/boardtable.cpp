#include "view/boardtable.h"

#include "view/boardbox.h"
#include "view/boardgeometry.h"

#include <algorithm>

namespace {

constexpr int ColumnHeaders = CellCount;
constexpr int RowHeaders = CellCount + BoardSide;

void tell(QAccessibleInterface *part, QAccessible::Event change)
{
    QAccessibleEvent event(part, change);
    QAccessible::updateAccessibility(&event);
}

} // namespace

/// A cell of the board's table, or a row or column header.
class BoardTablePart : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    enum Kind { CellPart, ColumnHeaderPart, RowHeaderPart };

    BoardTablePart(BoardTable *table, Kind kind, int row, int column)
        : m_table(table)
        , m_kind(kind)
        , m_row(row)
        , m_column(column)
    {}

    /// The part's name as it reads while the board shows shown.
    QString name(const ShownBoard &shown) const
    {
        switch (m_kind) {
        case ColumnHeaderPart: return Catalogue::ColumnHeader.in(shown.tongue).arg(m_column + 1);
        case RowHeaderPart: return Catalogue::RowHeader.in(shown.tongue).arg(m_row + 1);
        case CellPart: break;
        }
        return cellName(shown, Cell{m_column, m_row});
    }

    bool isValid() const override { return m_table->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_table->window(); }
    QAccessibleInterface *parent() const override { return m_table; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? name(m_table->shown()) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::State state() const override { return {}; }
    QRect rect() const override { return m_kind == CellPart ? m_table->cellRect(Cell{m_column, m_row}) : QRect(); }
    QAccessible::Role role() const override
    {
        switch (m_kind) {
        case ColumnHeaderPart: return QAccessible::ColumnHeader;
        case RowHeaderPart: return QAccessible::RowHeader;
        case CellPart: break;
        }
        return QAccessible::Cell;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && m_kind == CellPart)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {m_table->columnHeader(m_column)}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {m_table->rowHeader(m_row)}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return m_table; }

private:
    BoardTable *m_table;
    Kind m_kind;
    int m_row;
    int m_column;
};

BoardTable::BoardTable(BoardBox *box) : QAccessibleWidget(box, QAccessible::Table)
{
    // Row n's cells, then the header of column n and that of row n.
    for (int n = 0; n < BoardSide; ++n) {
        for (int column = 0; column < BoardSide; ++column)
            m_parts[n * BoardSide + column] = new BoardTablePart(this, BoardTablePart::CellPart, n, column);
        m_parts[ColumnHeaders + n] = new BoardTablePart(this, BoardTablePart::ColumnHeaderPart, -1, n);
        m_parts[RowHeaders + n] = new BoardTablePart(this, BoardTablePart::RowHeaderPart, n, -1);
    }
    for (std::size_t i = 0; i < m_parts.size(); ++i)
        m_partIds[i] = QAccessible::registerAccessibleInterface(m_parts[i]);
}

BoardTable::~BoardTable()
{
    for (const QAccessible::Id id : m_partIds)
        QAccessible::deleteAccessibleInterface(id);
}

void BoardTable::tellChanges(BoardBox *box, const ShownBoard &before)
{
    auto *table = dynamic_cast<BoardTable *>(QAccessible::queryAccessibleInterface(box));
    if (!table)
        return;
    for (BoardTablePart *part : table->m_parts)
        if (part->name(before) != part->name(box->shown()))
            tell(part, QAccessible::NameChanged);
    if (before.tongue != box->shown().tongue)
        tell(table, QAccessible::NameChanged);
    if (boardSummary(before) != boardSummary(box->shown()))
        tell(table, QAccessible::DescriptionChanged);
}

const ShownBoard &BoardTable::shown() const
{
    return static_cast<const BoardBox *>(widget())->shown();
}

QRect BoardTable::cellRect(Cell cell) const
{
    const auto *box = static_cast<const BoardBox *>(widget());
    const QRect bounds = cellBounds(box->drawnUnits(), cell.column, cell.row);
    return bounds.translated(box->mapToGlobal(QPoint(0, 0)));
}

QAccessibleInterface *BoardTable::rowHeader(int row) const
{
    return onBoard(0, row) ? m_parts[RowHeaders + row] : nullptr;
}

QAccessibleInterface *BoardTable::columnHeader(int column) const
{
    return onBoard(column, 0) ? m_parts[ColumnHeaders + column] : nullptr;
}

void *BoardTable::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString BoardTable::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: return Catalogue::BoardName.in(shown().tongue);
    case QAccessible::Description: return boardSummary(shown());
    default: return QAccessibleWidget::text(t);
    }
}

int BoardTable::childCount() const
{
    return int(m_parts.size());
}

QAccessibleInterface *BoardTable::child(int index) const
{
    return index >= 0 && index < childCount() ? m_parts[index] : nullptr;
}

int BoardTable::indexOfChild(const QAccessibleInterface *child) const
{
    const auto found = std::find(m_parts.begin(), m_parts.end(), child);
    return found == m_parts.end() ? -1 : int(found - m_parts.begin());
}

QAccessibleInterface *BoardTable::cellAt(int row, int column) const
{
    return onBoard(column, row) ? m_parts[row * BoardSide + column] : nullptr;
}

QString BoardTable::rowDescription(int row) const
{
    const QAccessibleInterface *header = rowHeader(row);
    return header ? header->text(QAccessible::Name) : QString();
}

QString BoardTable::columnDescription(int column) const
{
    const QAccessibleInterface *header = columnHeader(column);
    return header ? header->text(QAccessible::Name) : QString();
}
