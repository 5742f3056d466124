#include "desktop/fonts.h"
#include "desktop/textdraw.h"
#include "support/printrow.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage Draw(const QString& text, TRect rect, unsigned flags, QSize size = QSize(200, 40))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(MakeFont(kPGothic, 16));
    painter.setPen(Qt::white);
    DrawText(painter, text, rect, flags);
    return image;
}

// Columns [first, last] that hold ink, or (-1, -1) for a blank image.
std::pair<int, int> InkColumns(const QImage& image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

TEST(DrawTextTest, AmpersandMarksTheAcceleratorUnlessPrefixesAreOff)
{
    const TRect rect{0, 0, 200, 40};
    EXPECT_EQ(Draw("&&", rect, 0), Draw("&", rect, DT_NOPREFIX));
    EXPECT_NE(Draw("&File", rect, 0), Draw("File", rect, 0)); // underlined F
    EXPECT_NE(Draw("&File", rect, DT_NOPREFIX), Draw("File", rect, 0));
}

TEST(DrawTextTest, AlignsWithinTheRectangleAndClipsToIt)
{
    const TRect rect{20, 0, 180, 40};
    const auto left = InkColumns(Draw("Wide", rect, DT_LEFT));
    const auto centre = InkColumns(Draw("Wide", rect, DT_CENTER));
    const auto right = InkColumns(Draw("Wide", rect, DT_RIGHT));
    EXPECT_GE(left.first, 20);
    EXPECT_LT(left.first, 25);
    EXPECT_LE(right.second, 179);
    EXPECT_GT(right.second, 174);
    EXPECT_NEAR((centre.first + centre.second) / 2.0, 100, 2);

    const auto clipped = InkColumns(Draw("WWWWWWWWWWWWWWWWWWWW", TRect{0, 0, 50, 40}, DT_LEFT));
    EXPECT_LT(clipped.second, 50);
}

TEST(DrawTextTest, MeasuresWithoutDrawing)
{
    const QFont font = MakeFont(kPGothic, 16);
    TRect rect{5, 7, 6, 8};
    const int height = CalcTextRect(font, "Two\nlines", rect, DT_LEFT);
    EXPECT_EQ(rect.Left, 5);
    EXPECT_EQ(rect.Top, 7);
    EXPECT_EQ(rect.Height(), height);
    EXPECT_EQ(rect.Width(), TextWidth(font, "lines"));

    TRect single{0, 0, 1, 1};
    const int line = CalcTextRect(font, "Two", single, DT_LEFT);
    EXPECT_GE(height, 2 * line);

    TRect wrapped{0, 0, TextWidth(font, "Two "), 1};
    EXPECT_GT(CalcTextRect(font, "Two words", wrapped, DT_WORDBREAK), line);
}

TEST(DrawTextTest, EllipsisKeepsTheTextInsideTheRectangle)
{
    const QString text = "a rather long line of text";
    const TRect narrow{0, 0, 60, 40};
    const auto end = InkColumns(Draw(text, narrow, DT_END_ELLIPSIS));
    const auto path = InkColumns(Draw(text, narrow, DT_PATH_ELLIPSIS));
    EXPECT_LT(end.second, 60);
    EXPECT_LT(path.second, 60);
    EXPECT_NE(Draw(text, narrow, DT_END_ELLIPSIS), Draw(text, narrow, DT_PATH_ELLIPSIS));
}

// One measured line is the font's ascent plus descent, never Qt's rounded-up bounding box,
// so centring a line in a control of the layout's height lands where the layout puts it.
struct LineCase {
    const char* Name;
    const char* Family;
    int Height;
};
PRINT_ROW_BY_NAME(LineCase, Name)

class DrawTextLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(DrawTextLineTest, OneLineIsAscentPlusDescent)
{
    const QFont font = MakeFont(QString::fromLatin1(GetParam().Family), GetParam().Height);
    const QFontMetrics metrics(font);
    const int line = metrics.ascent() + metrics.descent();
    EXPECT_EQ(LineHeight(font), line);

    TRect one{0, 0, 1, 1};
    EXPECT_EQ(CalcTextRect(font, "HIGH-SCORE", one, DT_LEFT | DT_SINGLELINE), line);
    EXPECT_EQ(one.Height(), line);
    EXPECT_EQ(one.Width(), TextWidth(font, "HIGH-SCORE"));
    TRect three{0, 0, 1, 1};
    EXPECT_EQ(CalcTextRect(font, "F3\n&Score\n0", three, DT_LEFT), 3 * line);
    EXPECT_EQ(three.Width(), TextWidth(font, "Score"));

    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(font);
    TRect drawn{0, 0, 200, 100};
    EXPECT_EQ(DrawText(painter, "HIGH-SCORE", drawn, DT_LEFT), line);
}

INSTANTIATE_TEST_SUITE_P(Fonts, DrawTextLineTest,
                         ::testing::Values(LineCase{"Ume11", "Ume P Gothic", 11}, LineCase{"Ume12", "Ume P Gothic", 12},
                                           LineCase{"Ume16", "Ume P Gothic", 16}, LineCase{"Ume40", "Ume P Gothic", 40},
                                           LineCase{"Ipa11", "IPAPGothic", 11}, LineCase{"Ipa12", "IPAPGothic", 12},
                                           LineCase{"Ipa16", "IPAPGothic", 16}, LineCase{"Ipa40", "IPAPGothic", 40}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DrawText, WordBreakCountsWrappedLines)
{
    const QFont font = MakeFont(QStringLiteral("IPAPGothic"), 16);
    // Advances are fractional and wrapping adds them up unrounded, so leave a little room.
    const int wide = TextWidth(font, "GAME OVER") + 3;
    TRect rect{0, 0, wide, 1};
    EXPECT_EQ(CalcTextRect(font, "GAME OVER GAME OVER", rect, DT_WORDBREAK), 2 * LineHeight(font));
    EXPECT_LE(rect.Width(), wide);
    TRect narrow{0, 0, TextWidth(font, "GAME") + 3, 1};
    EXPECT_EQ(CalcTextRect(font, "GAME OVER\nGAME", narrow, DT_WORDBREAK), 3 * LineHeight(font));
}
