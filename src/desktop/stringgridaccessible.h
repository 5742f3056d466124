#pragma once

#include "desktop/accessiblewidget.h"
#include <QAccessibleTableInterface>
#include <QPointer>
#include <vector>

class TStringGrid;

// The grid as assistive tools read it: a table of all its rows and columns, the fixed rows
// being the column headings. The cells are not widgets, so the table makes their
// interfaces on first use and gives them back to Qt when it goes.
class TAccessibleStringGrid : public TAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TAccessibleStringGrid(TStringGrid* grid);
    ~TAccessibleStringGrid() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    // A column's heading, a row's label: the texts of the fixed rows, and of column 0.
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    TStringGrid* Grid() const;

private:
    mutable std::vector<QAccessible::Id> FCellIds;
};

// One cell of the grid.
class TAccessibleGridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TAccessibleGridCell(TStringGrid* grid, int row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return FColumn; }
    int rowIndex() const override { return FRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    bool Heading() const;

    QPointer<TStringGrid> FGrid;
    int FRow = 0;
    int FColumn = 0;
};
