#include "desktop/colors.h"
#include "desktop/drawedge.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kPaper = 0xFF102030;

QImage Draw(const TRect& rect, unsigned edge, std::initializer_list<unsigned> calls)
{
    QImage image(7, 6, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    for (unsigned flags : calls)
        DrawEdge(painter, rect, edge, flags);
    return image;
}

// Rows of letters: '.' paper, 'S' button shadow, 'H' highlight, 'D' dark shadow, 'L' light.
QImage Picture(const std::vector<std::string>& rows)
{
    QImage image(7, 6, QImage::Format_RGB32);
    image.fill(kPaper);
    for (int y = 0; y < int(rows.size()); ++y) {
        for (int x = 0; x < int(rows[y].size()); ++x) {
            const char c = rows[y][x];
            if (c != '.')
                image.setPixel(x, y,
                               ToQColor(c == 'S'   ? clBtnShadow
                                        : c == 'H' ? clBtnHighlight
                                        : c == 'D' ? cl3DDkShadow
                                                   : cl3DLight)
                                   .rgb());
        }
    }
    return image;
}

} // namespace

// Sunken: shadow on top and left, highlight on bottom and right, drawn last so it owns
// the top-right and bottom-left corners.
TEST(DrawEdgeTest, OneAndTwoPixelEdges)
{
    ASSERT_NE(ToQColor(clBtnShadow), ToQColor(clBtnHighlight));
    const QImage sunken = Picture({".......", ".SSSSH.", ".S...H.", ".S...H.", ".HHHHH."});
    EXPECT_EQ(Draw({1, 1, 6, 5}, BDR_SUNKENOUTER, {BF_TOPLEFT, BF_BOTTOMRIGHT}), sunken);
    EXPECT_EQ(Draw({1, 1, 6, 5}, BDR_SUNKENOUTER, {BF_RECT}), sunken);
    // A lone inner kind takes the outer pixels.
    EXPECT_EQ(Draw({0, 0, 4, 3}, BDR_RAISEDINNER, {BF_TOPLEFT, BF_BOTTOMRIGHT}), Picture({"HHHS", "H..S", "SSSS"}));
    EXPECT_EQ(Draw({0, 0, 6, 6}, EDGE_SUNKEN, {BF_RECT}),
              Picture({"SSSSSH", "SDDDLH", "SD..LH", "SD..LH", "SLLLLH", "HHHHHH"}));
}

TEST(DrawEdgeTest, OnlyRequestedSidesAndNothingForEmptyRectangles)
{
    EXPECT_EQ(Draw({1, 1, 4, 4}, BDR_SUNKENOUTER, {BF_LEFT}), Picture({".......", ".S", ".S", ".S"}));
    EXPECT_EQ(Draw({1, 1, 4, 4}, BDR_SUNKENOUTER, {BF_BOTTOM}), Picture({"", "", "", ".HHH"}));
    EXPECT_EQ(Draw({3, 3, 3, 6}, BDR_SUNKENOUTER, {BF_RECT}), Picture({}));
    EXPECT_EQ(Draw({5, 2, 3, 6}, EDGE_RAISED, {BF_RECT}), Picture({}));
}
