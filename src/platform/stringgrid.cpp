#include "platform/stringgrid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kCellTextInset = 2;

// Paints a cell as the classic grid does: background, then the text clipped to the cell.
class CellDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CellDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), FGrid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool fixed = index.row() < FGrid->FixedRows();
        painter->save();
        painter->fillRect(option.rect, ToQColor(fixed ? FGrid->FixedColor() : FGrid->Color()));
        painter->setClipRect(option.rect);
        QFont font = FGrid->font();
        font.setStyleStrategy(QFont::NoAntialias);
        painter->setFont(font);
        painter->setPen(ToQColor(FGrid->FontColor()));
        const QRect text = option.rect.adjusted(kCellTextInset, kCellTextInset, 0, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
        painter->restore();
    }

private:
    TStringGrid* FGrid;
};

} // namespace

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent) : QTableWidget(rowCount, colCount, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setItemDelegate(new CellDelegate(this));
    for (int row = 0; row < rowCount; ++row)
        for (int col = 0; col < colCount; ++col)
            setItem(row, col, new QTableWidgetItem);
    SetColor(FColor);
}

QString TStringGrid::Cells(int col, int row) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    if (QTableWidgetItem* cell = item(row, col))
        cell->setText(text);
}

void TStringGrid::SetColWidths(const QList<int>& widths)
{
    for (int col = 0; col < widths.size() && col < columnCount(); ++col)
        setColumnWidth(col, widths[col]);
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, height);
}

void TStringGrid::SetFixedRows(int rows)
{
    if (rows == FFixedRows)
        return;
    FFixedRows = rows;
    viewport()->update();
}

void TStringGrid::SetFixedColor(TColor color)
{
    if (color == FFixedColor)
        return;
    FFixedColor = color;
    viewport()->update();
}

void TStringGrid::SetColor(TColor color)
{
    FColor = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ToQColor(color));
    colours.setColor(QPalette::Window, ToQColor(color));
    setPalette(colours);
    viewport()->update();
}

void TStringGrid::SetFontColor(TColor color)
{
    if (color == FFontColor)
        return;
    FFontColor = color;
    viewport()->update();
}

#include "stringgrid.moc"
