#pragma once

#include "desktop/colors.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <vector>

// A read-only grid of text cells whose first rows are fixed headings in their own colour.
// No grid lines, scroll bars, selection or editing; each cell's text starts 2 pixels in
// from its top-left corner. A plain painted widget: an item view would cost the game's
// start-up more than the whole grid does.
class TStringGrid : public QWidget {
    Q_OBJECT

public:
    TStringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    int ColCount() const { return FColCount; }
    int RowCount() const { return FRowCount; }

    // Empty outside the grid; writing outside it does nothing.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

    int ColWidths(int col) const;
    void SetColWidths(const QList<int>& widths);
    int RowHeights(int row) const;
    void SetDefaultRowHeight(int height);

    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int rows);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor color);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color);

    bool Contains(int col, int row) const { return col >= 0 && col < FColCount && row >= 0 && row < FRowCount; }
    // Where a cell lies in the grid's own coordinates.
    QRect CellRect(int col, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FColCount = 0;
    int FRowCount = 0;
    std::vector<QString> FCells;
    std::vector<int> FColWidths;
    int FRowHeight = 24;
    int FFixedRows = 1;
    TColor FFixedColor = clBtnFace;
    TColor FColor = clWindow;
    TColor FFontColor = clWindowText;
};
