#include "platform/colors.h"
#include "platform/drawedge.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kPaper = 0xFF102030;

QRgb Rgb(TColor color)
{
    return ToQColor(color).rgb();
}

QImage Draw(const TRect& rect, unsigned edge, std::initializer_list<unsigned> calls)
{
    QImage image(8, 7, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    for (unsigned flags : calls)
        DrawEdge(painter, rect, edge, flags);
    return image;
}

// Expected picture as rows of letters: '.' paper, 'S' shadow, 'H' highlight, 'D' dark
// shadow, 'L' light.
void ExpectPicture(const QImage& image, const std::vector<std::string>& rows)
{
    ASSERT_NE(Rgb(clBtnShadow), Rgb(clBtnHighlight)) << "the test palette must tell the edges apart";
    for (int y = 0; y < int(rows.size()); ++y) {
        for (int x = 0; x < int(rows[y].size()); ++x) {
            QRgb expected = kPaper;
            switch (rows[y][x]) {
            case 'S': expected = Rgb(clBtnShadow); break;
            case 'H': expected = Rgb(clBtnHighlight); break;
            case 'D': expected = Rgb(cl3DDkShadow); break;
            case 'L': expected = Rgb(cl3DLight); break;
            default: break;
            }
            EXPECT_EQ(image.pixel(x, y), expected) << "at (" << x << ", " << y << ")";
        }
    }
}

} // namespace

// Sunken: shadow along the top and left, highlight along the bottom and right, which is
// drawn last and so owns the top-right and bottom-left corners.
TEST(DrawEdgeTest, SunkenOuterInTwoCallsAsTheBarDrawsIt)
{
    const QImage image = Draw({1, 1, 6, 5}, BDR_SUNKENOUTER, {BF_TOPLEFT, BF_BOTTOMRIGHT});
    ExpectPicture(image, {"........",
                          ".SSSSH..",
                          ".S...H..",
                          ".S...H..",
                          ".HHHHH..",
                          "........",
                          "........"});
    EXPECT_EQ(Draw({1, 1, 6, 5}, BDR_SUNKENOUTER, {BF_RECT}), image);
}

TEST(DrawEdgeTest, RaisedInnerAloneTakesTheOuterPixelsWithSwappedColours)
{
    ExpectPicture(Draw({0, 0, 4, 3}, BDR_RAISEDINNER, {BF_TOPLEFT, BF_BOTTOMRIGHT}), {"HHHS....",
                                                                                      "H..S....",
                                                                                      "SSSS....",
                                                                                      "........"});
}

TEST(DrawEdgeTest, OnlyTheRequestedSidesAreDrawn)
{
    ExpectPicture(Draw({1, 1, 4, 4}, BDR_SUNKENOUTER, {BF_LEFT}), {"........",
                                                                   ".S......",
                                                                   ".S......",
                                                                   ".S......",
                                                                   "........"});
    ExpectPicture(Draw({1, 1, 4, 4}, BDR_SUNKENOUTER, {BF_BOTTOM}), {"........",
                                                                     "........",
                                                                     "........",
                                                                     ".HHH....",
                                                                     "........"});
}

TEST(DrawEdgeTest, OuterAndInnerKindsMakeATwoPixelEdge)
{
    ExpectPicture(Draw({0, 0, 6, 6}, EDGE_SUNKEN, {BF_RECT}), {"SSSSSH..",
                                                               "SDDDLH..",
                                                               "SD..LH..",
                                                               "SD..LH..",
                                                               "SLLLLH..",
                                                               "HHHHHH.."});
}

TEST(DrawEdgeTest, EmptyOrInvertedRectanglesDrawNothing)
{
    QImage blank(8, 7, QImage::Format_RGB32);
    blank.fill(kPaper);
    EXPECT_EQ(Draw({3, 3, 3, 6}, BDR_SUNKENOUTER, {BF_RECT}), blank);
    EXPECT_EQ(Draw({5, 2, 3, 6}, EDGE_RAISED, {BF_RECT}), blank);
}
