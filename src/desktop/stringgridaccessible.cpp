#include "desktop/stringgridaccessible.h"

#include "desktop/stringgrid.h"

TAccessibleStringGrid::TAccessibleStringGrid(TStringGrid* grid) : TAccessibleWidget(grid, QAccessible::Table) {}

TAccessibleStringGrid::~TAccessibleStringGrid()
{
    for (const QAccessible::Id id : FCellIds)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

TStringGrid* TAccessibleStringGrid::Grid() const
{
    return static_cast<TStringGrid*>(widget());
}

void* TAccessibleStringGrid::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return TAccessibleWidget::interface_cast(t);
}

int TAccessibleStringGrid::rowCount() const
{
    return Grid()->RowCount();
}

int TAccessibleStringGrid::columnCount() const
{
    return Grid()->ColCount();
}

int TAccessibleStringGrid::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* TAccessibleStringGrid::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    FCellIds.resize(size_t(childCount()), 0);
    QAccessible::Id& id = FCellIds[size_t(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            new TAccessibleGridCell(Grid(), index / columnCount(), index % columnCount()));
    return QAccessible::accessibleInterface(id);
}

int TAccessibleStringGrid::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || child->parent() != this)
        return -1;
    // The interface's accessors are not const; the cell is only read.
    QAccessibleTableCellInterface* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface* TAccessibleStringGrid::childAt(int x, int y) const
{
    const QPoint at = Grid()->mapFromGlobal(QPoint(x, y));
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (Grid()->CellRect(column, row).contains(at))
                return cellAt(row, column);
    return nullptr;
}

QAccessibleInterface* TAccessibleStringGrid::cellAt(int row, int column) const
{
    if (!Grid()->Contains(column, row))
        return nullptr;
    return child(row * columnCount() + column);
}

QString TAccessibleStringGrid::columnDescription(int column) const
{
    QStringList headings;
    for (int row = 0; row < Grid()->FixedRows(); ++row)
        headings << Grid()->Cells(column, row);
    return headings.join(u' ');
}

QString TAccessibleStringGrid::rowDescription(int row) const
{
    return Grid()->Cells(0, row);
}

TAccessibleGridCell::TAccessibleGridCell(TStringGrid* grid, int row, int column)
    : FGrid(grid), FRow(row), FColumn(column)
{
}

bool TAccessibleGridCell::isValid() const
{
    return FGrid && FGrid->Contains(FColumn, FRow);
}

QWindow* TAccessibleGridCell::window() const
{
    const QAccessibleInterface* grid = table();
    return grid ? grid->window() : nullptr;
}

QAccessibleInterface* TAccessibleGridCell::table() const
{
    return FGrid ? QAccessible::queryAccessibleInterface(FGrid.data()) : nullptr;
}

QAccessibleInterface* TAccessibleGridCell::parent() const
{
    return table();
}

bool TAccessibleGridCell::Heading() const
{
    return FGrid && FRow < FGrid->FixedRows();
}

QString TAccessibleGridCell::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && FGrid)
        return FGrid->Cells(FColumn, FRow);
    return QString();
}

QRect TAccessibleGridCell::rect() const
{
    if (!FGrid)
        return {};
    return ScreenRect(FGrid, FGrid->CellRect(FColumn, FRow));
}

QAccessible::Role TAccessibleGridCell::role() const
{
    return Heading() ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State TAccessibleGridCell::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    if (!FGrid || !FGrid->isVisible())
        state.invisible = true;
    return state;
}

void* TAccessibleGridCell::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

QList<QAccessibleInterface*> TAccessibleGridCell::columnHeaderCells() const
{
    QList<QAccessibleInterface*> headings;
    QAccessibleInterface* grid = table();
    QAccessibleTableInterface* cells = grid ? grid->tableInterface() : nullptr;
    if (!cells || Heading())
        return headings;
    for (int row = 0; row < FGrid->FixedRows(); ++row)
        headings << cells->cellAt(row, FColumn);
    return headings;
}
