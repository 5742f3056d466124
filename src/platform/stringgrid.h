#pragma once

#include "platform/colors.h"

#include <QTableWidget>

// A read-only grid of text cells whose first rows are fixed headings in their own colour.
// No grid lines, scroll bars, selection or editing; each cell's text starts 2 pixels in
// from its top-left corner.
class TStringGrid : public QTableWidget {
    Q_OBJECT

public:
    TStringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

    void SetColWidths(const QList<int>& widths);
    void SetDefaultRowHeight(int height);

    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int rows);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor color);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color);

private:
    int FFixedRows = 1;
    TColor FFixedColor = clBtnFace;
    TColor FColor = clWindow;
    TColor FFontColor = clWindowText;
};
