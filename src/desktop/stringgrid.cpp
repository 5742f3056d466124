#include "desktop/stringgrid.h"

#include "desktop/accessibility.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kCellTextInset = 2;
constexpr int kDefaultColWidth = 64;

} // namespace

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent)
    : QWidget(parent), FColCount(std::max(colCount, 0)), FRowCount(std::max(rowCount, 0)),
      FCells(size_t(FColCount) * size_t(FRowCount)), FColWidths(size_t(FColCount), kDefaultColWidth)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString TStringGrid::Cells(int col, int row) const
{
    return Contains(col, row) ? FCells[size_t(row) * size_t(FColCount) + size_t(col)] : QString();
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    if (!Contains(col, row))
        return;
    QString& cell = FCells[size_t(row) * size_t(FColCount) + size_t(col)];
    if (cell == text)
        return;
    cell = text;
    update(CellRect(col, row));
    // Assistive tools know the cells row by row.
    NotifyAccessibleName(this, row * FColCount + col);
}

int TStringGrid::ColWidths(int col) const
{
    return col >= 0 && col < FColCount ? FColWidths[size_t(col)] : 0;
}

void TStringGrid::SetColWidths(const QList<int>& widths)
{
    for (int col = 0; col < widths.size() && col < FColCount; ++col)
        FColWidths[size_t(col)] = std::max(widths[col], 0);
    update();
}

int TStringGrid::RowHeights(int row) const
{
    return row >= 0 && row < FRowCount ? FRowHeight : 0;
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    FRowHeight = std::max(height, 0);
    update();
}

void TStringGrid::SetFixedRows(int rows)
{
    if (rows == FFixedRows)
        return;
    FFixedRows = rows;
    update();
}

void TStringGrid::SetFixedColor(TColor color)
{
    if (color == FFixedColor)
        return;
    FFixedColor = color;
    update();
}

void TStringGrid::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    update();
}

void TStringGrid::SetFontColor(TColor color)
{
    if (color == FFontColor)
        return;
    FFontColor = color;
    update();
}

QRect TStringGrid::CellRect(int col, int row) const
{
    int left = 0;
    for (int before = 0; before < col; ++before)
        left += FColWidths[size_t(before)];
    return QRect(left, row * FRowHeight, FColWidths[size_t(col)], FRowHeight);
}

void TStringGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // Beyond the last row and column lies the grid's own colour.
    painter.fillRect(event->rect(), ToQColor(FColor));
    QFont face = font();
    face.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(face);
    painter.setPen(ToQColor(FFontColor));
    for (int row = 0; row < FRowCount; ++row) {
        for (int col = 0; col < FColCount; ++col) {
            const QRect cell = CellRect(col, row);
            if (!cell.intersects(event->rect()))
                continue;
            painter.fillRect(cell, ToQColor(row < FFixedRows ? FFixedColor : FColor));
            painter.save();
            painter.setClipRect(cell);
            painter.drawText(cell.adjusted(kCellTextInset, kCellTextInset, 0, 0),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Cells(col, row));
            painter.restore();
        }
    }
}
