#include "desktop/fonts.h"
#include "desktop/stringgrid.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class TStringGridTest : public ::testing::Test {
protected:
    TStringGrid grid{2, 3};

    void SetUp() override
    {
        grid.resize(60, 50);
        grid.SetColWidths({20, 30});
        grid.SetDefaultRowHeight(12);
        grid.SetColor(clBlack);
        grid.SetFixedColor(clPurple);
        grid.SetFontColor(clWhite);
        grid.setFont(MakeFont(kPMincho, 11));
    }

    QImage Render() { return grid.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Whether any pixel of the rectangle carries the text colour.
    static bool Ink(const QImage& image, const QRect& area)
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) == qRgb(255, 255, 255))
                    return true;
        return false;
    }
};

TEST_F(TStringGridTest, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    grid.SetCells(1, 2, "kept");
    for (const auto& [col, row] : {std::pair{-1, 0}, {2, 0}, {0, 3}, {0, -1}})
        grid.SetCells(col, row, "lost");
    EXPECT_EQ(grid.Cells(1, 2), "kept");
    EXPECT_EQ(grid.Cells(2, 0), "");
    EXPECT_EQ(grid.Cells(0, -1), "");
    EXPECT_EQ(grid.ColWidths(1), 30);
    EXPECT_EQ(grid.ColWidths(2), 0);
    EXPECT_EQ(grid.RowHeights(2), 12);
    EXPECT_EQ(grid.RowHeights(3), 0);
}

// The heading row takes the fixed colour across both columns, the rest and the area past
// the last column the grid's colour; text starts 2 pixels in and stays inside its cell.
TEST_F(TStringGridTest, PaintsHeadingRowCellsAndClippedText)
{
    grid.SetCells(0, 1, "WWWWWWWWWW");
    const QImage image = Render();
    EXPECT_EQ(image.pixel(0, 0), qRgb(128, 0, 128));
    EXPECT_EQ(image.pixel(49, 11), qRgb(128, 0, 128));
    EXPECT_EQ(image.pixel(49, 12), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(55, 0), qRgb(0, 0, 0));

    EXPECT_FALSE(Ink(image, QRect(0, 12, 2, 12)));
    EXPECT_FALSE(Ink(image, QRect(0, 12, 20, 2)));
    EXPECT_TRUE(Ink(image, QRect(2, 14, 18, 10)));
    EXPECT_FALSE(Ink(image, QRect(20, 12, 30, 12)));
    EXPECT_FALSE(Ink(image, QRect(0, 0, 60, 12)));
}

} // namespace
