#include "controls/dxfprogressbar.h"
#include "desktop/colors.h"
#include "desktop/fonts.h"
#include "game/controlsetup.h"

#include "support/render.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTransform>
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <vector>

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kMagenta = 0xFFFF00FF;

QRgb Rgb(TColor color)
{
    return ToQColor(color).rgb();
}

// A bar that notes every paint it receives.
class RecordingBar : public TdxfProgressBar {
public:
    std::vector<QRect> Painted;
    QRegion PaintedRegion;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Painted.push_back(event->rect());
        PaintedRegion += event->region();
        TdxfProgressBar::paintEvent(event);
    }
};

void SetBackground(QWidget& widget, QColor color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    widget.setPalette(palette);
}

// The power gauge as the game sets it up.
template <typename Bar = TdxfProgressBar>
std::unique_ptr<Bar> MakeGameBar()
{
    auto bar = std::make_unique<Bar>();
    SetUpPowerBar(*bar);
    SetBackground(*bar, Qt::black); // the window behind it
    return bar;
}

// A horizontal bar of the default 150 x 16 size, whose bar is (2, 2, 148, 14).
std::unique_ptr<TdxfProgressBar> MakeHorizontalBar(TdxfPBStyle style, QColor background = Qt::black)
{
    auto bar = std::make_unique<TdxfProgressBar>();
    bar->SetOrientation(TdxfPBOrientation::orHorizontal);
    bar->SetStyle(style);
    SetBackground(*bar, background);
    return bar;
}

QRect CentredTextBox(const QFont& font, const QString& text, QSize size)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    return QRect((size.width() - width) / 2, (size.height() - metrics.height()) / 2, width, metrics.height());
}

// The text as a plain painter puts it with its cell's top-left at topLeft, on black.
QImage ReferenceText(const QFont& font, const QString& text, QSize size, QPoint topLeft)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::yellow);
    painter.drawText(topLeft.x(), topLeft.y() + QFontMetrics(font).ascent(), text);
    return image;
}

void ShowAndSettle(QWidget& widget)
{
    widget.show();
    QCoreApplication::processEvents();
}

} // namespace

// Column colours of the game's gauge: the gradient spans the whole bar and the fill
// uncovers it, stopping at the bar's end past Max.
TEST(TdxfProgressBarTest, GameBarGradientColumns)
{
    auto bar = MakeGameBar();
    bar->SetShowText(false);
    bar->SetBarBevelOuter(TdxfBevelOuter::bvNone);
    bar->SetPosition(10);
    QImage image = Render(*bar, kMagenta);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(image.pixel(0, y), qRgb(128, 0, 128));
        EXPECT_EQ(image.pixel(59, y), qRgb(190, 125, 190));
        EXPECT_EQ(image.pixel(60, y), kBlack);
    }
    bar->SetPosition(20);
    image = Render(*bar, kMagenta);
    EXPECT_EQ(image.pixel(119, 0), qRgb(253, 252, 253));
    bar->SetPosition(25);
    EXPECT_EQ(Render(*bar, kMagenta), image);
}

TEST(TdxfProgressBarTest, GameBarSunkenEdgeSurroundsTheFill)
{
    auto bar = MakeGameBar();
    bar->SetShowText(false); // the percentage's glyphs may cross the edge
    bar->SetPosition(10);
    const QImage image = Render(*bar, kMagenta);
    const QRgb shadow = Rgb(clBtnShadow);
    const QRgb highlight = Rgb(clBtnHighlight);
    ASSERT_NE(shadow, highlight);
    for (int x = 0; x < 59; ++x) {
        EXPECT_EQ(image.pixel(x, 0), shadow) << x;
        EXPECT_EQ(image.pixel(x + 1, 9), highlight) << x;
    }
    for (int y = 0; y < 9; ++y) {
        EXPECT_EQ(image.pixel(0, y), shadow) << y;
        EXPECT_EQ(image.pixel(59, y + 1), highlight) << y;
    }
    EXPECT_EQ(image.pixel(59, 0), highlight);
    EXPECT_EQ(image.pixel(0, 9), highlight);
    EXPECT_EQ(image.pixel(10, 8), qRgb(138, 21, 138)) << "inside the edge";
    EXPECT_EQ(image.pixel(60, 0), kBlack);
}

// The yellow pixels are exactly the expected text centred on the control.
TEST(TdxfProgressBarTest, GameBarPercentTextIsCentredOnTheControl)
{
    auto bar = MakeGameBar();
    for (const auto& [position, text] : {std::pair{0, "0 %"}, {10, "50 %"}, {20, "100 %"}, {25, "125 %"}}) {
        SCOPED_TRACE(text);
        bar->SetPosition(position);
        EXPECT_EQ(bar->PositionText(), QString::fromUtf8(text));
        const QImage image = Render(*bar, kMagenta);
        const QRect box = CentredTextBox(bar->font(), bar->PositionText(), bar->size());
        const QImage reference = ReferenceText(bar->font(), bar->PositionText(), bar->size(), box.topLeft());
        int inked = 0;
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 120; ++x) {
                inked += reference.pixel(x, y) == kYellow;
                ASSERT_EQ(image.pixel(x, y) == kYellow, reference.pixel(x, y) == kYellow) << x << ", " << y;
                if (position == 0) {
                    ASSERT_TRUE(image.pixel(x, y) == kBlack || image.pixel(x, y) == kYellow) << "no fill at 0";
                }
            }
        }
        EXPECT_GT(inked, 10);
    }
}

TEST(TdxfProgressBarTest, PercentRoundsHalvesToEven)
{
    TdxfProgressBar bar;
    bar.SetMax(40);
    for (const auto& [position, text] :
         {std::pair{1, "2 %"}, {3, "8 %"}, {5, "12 %"}, {2, "5 %"}, {50, "125 %"}, {-1, "-2 %"}, {-3, "-8 %"}}) {
        bar.SetPosition(position);
        EXPECT_EQ(bar.PositionText(), QString::fromUtf8(text)) << position;
    }
    bar.SetShowTextStyle(TdxfShowTextStyle::stsPosition);
    EXPECT_EQ(bar.PositionText(), QStringLiteral("-3"));

    auto offset = MakeHorizontalBar(TdxfPBStyle::sSolid);
    offset->SetBevelOuter(TdxfBevelOuter::bvNone);
    offset->SetMax(30);
    offset->SetMin(10);
    offset->SetPosition(20);
    EXPECT_EQ(offset->PositionText(), QStringLiteral("50 %"));
    const QImage image = Render(*offset, kMagenta);
    EXPECT_EQ(image.pixel(74, 8), Rgb(clNavy));
    EXPECT_EQ(image.pixel(75, 8), kBlack);
}

TEST(TdxfProgressBarTest, RangeSettersAndSteps)
{
    TdxfProgressBar bar;
    bar.SetMin(50);
    bar.SetMax(40);
    EXPECT_EQ(bar.Max(), 100) << "Max below Min is ignored";
    bar.SetMin(101);
    EXPECT_EQ(bar.Min(), 50) << "Min above Max is ignored";
    bar.SetPosition(95);
    bar.StepIt();
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 115) << "never clamped to Max";
    bar.StepBy(-200);
    EXPECT_EQ(bar.Position(), -85);
    bar.SetStep(-5);
    bar.StepIt();
    EXPECT_EQ(bar.Position(), -90);
}

// Inside the lowered outer edge a 16-pixel bar is 12 high: blocks of 8 with 2-pixel gaps
// from its left edge, and a closing block from the last boundary once the bar is full.
TEST(TdxfProgressBarTest, BlocksOfASixteenPixelBar)
{
    auto bar = MakeHorizontalBar(TdxfPBStyle::sRectangles);
    auto columnIs = [](const QImage& image, int x, QRgb color) {
        for (int y = 2; y < 14; ++y)
            if (image.pixel(x, y) != color)
                return false;
        return true;
    };
    const QRgb navy = Rgb(clNavy);
    bar->SetPosition(50); // fill of 73 pixels: boundaries 12 .. 72
    QImage image = Render(*bar, kMagenta);
    EXPECT_EQ(image.pixel(0, 0), Rgb(clBtnShadow));
    EXPECT_EQ(image.pixel(149, 15), Rgb(clBtnHighlight));
    for (int x = 2; x < 148; ++x)
        EXPECT_TRUE(columnIs(image, x, x < 70 && (x - 2) % 10 < 8 ? navy : kBlack)) << "column " << x;

    bar->SetPosition(100);
    image = Render(*bar, kMagenta);
    EXPECT_TRUE(columnIs(image, 139, navy));
    EXPECT_TRUE(columnIs(image, 141, kBlack));
    for (int x = 142; x < 148; ++x)
        EXPECT_TRUE(columnIs(image, x, navy)) << "closing block, column " << x;

    bar->SetBarBevelOuter(TdxfBevelOuter::bvRaised);
    image = Render(*bar, kMagenta);
    EXPECT_EQ(image.pixel(2, 2), Rgb(clBtnHighlight));
    EXPECT_EQ(image.pixel(9, 13), Rgb(clBtnShadow));
}

TEST(TdxfProgressBarTest, GradientBlocksTakeTheColourAtTheirBoundary)
{
    auto bar = MakeHorizontalBar(TdxfPBStyle::sExRectangles);
    bar->SetBeginColor(clBlack);
    bar->SetEndColor(RGB(146, 73, 0)); // channels count pixels along the 146-pixel bar
    bar->SetPosition(100);
    QImage image = Render(*bar, kMagenta);
    EXPECT_EQ(image.pixel(2, 5), qRgb(10, 5, 0));
    EXPECT_EQ(image.pixel(12, 5), qRgb(20, 10, 0));
    EXPECT_EQ(image.pixel(147, 5), qRgb(140, 70, 0)) << "closing block at the last boundary";

    bar->SetStyle(TdxfPBStyle::sExSolid);
    bar->SetBeginColor(clBtnFace);
    EXPECT_EQ(Render(*bar, kMagenta).pixel(2, 8), Rgb(clBtnFace)) << "system colours resolve first";
}

TEST(TdxfProgressBarTest, VerticalGradientRunsBottomToTop)
{
    TdxfProgressBar bar;
    bar.resize(16, 100);
    bar.SetBevelOuter(TdxfBevelOuter::bvNone);
    bar.SetStyle(TdxfPBStyle::sExSolid);
    bar.SetBeginColor(clBlack);
    bar.SetEndColor(RGB(200, 100, 0));
    SetBackground(bar, Qt::blue);
    bar.SetPosition(50);
    QImage image = Render(bar, kMagenta);
    EXPECT_EQ(image.pixel(8, 99), qRgb(2, 1, 0));
    EXPECT_EQ(image.pixel(8, 50), qRgb(100, 50, 0));
    EXPECT_EQ(image.pixel(8, 49), kBlue);
    bar.SetPosition(100);
    EXPECT_EQ(Render(bar, kMagenta).pixel(15, 0), qRgb(200, 100, 0));
}

TEST(TdxfProgressBarTest, SetGlyphResizesTheBar)
{
    const QImage glyph(20, 12, QImage::Format_RGB32);
    TdxfProgressBar horizontal;
    horizontal.SetOrientation(TdxfPBOrientation::orHorizontal);
    horizontal.resize(150, 30);
    horizontal.SetGlyph(glyph);
    EXPECT_EQ(horizontal.size(), QSize(150, 16));

    TdxfProgressBar vertical;
    vertical.SetGlyph(glyph);
    EXPECT_EQ(vertical.size(), QSize(24, 16));
    vertical.SetGlyph(QImage());
    EXPECT_EQ(vertical.size(), QSize(24, 16));
}

TEST(TdxfProgressBarTest, PicturesRepeatWithoutTheirTransparentColour)
{
    QImage glyph(20, 12, QImage::Format_RGB32);
    glyph.fill(Qt::red);
    for (int x = 0; x < 20; ++x)
        glyph.setPixel(x, 11, qRgb(0, 255, 0)); // the key colour, as in the bottom-left pixel
    auto bar = MakeHorizontalBar(TdxfPBStyle::sPictures);
    bar->SetGlyph(glyph);
    const QRgb red = qRgb(255, 0, 0);

    bar->SetPosition(99); // fill of 144: pictures from 2 to 122; one more would end at 142
    QImage image = Render(*bar, kMagenta);
    EXPECT_EQ(image.pixel(2, 2), red);
    EXPECT_EQ(image.pixel(141, 12), red);
    EXPECT_EQ(image.pixel(2, 13), kBlack) << "key colour left out";
    EXPECT_EQ(image.pixel(142, 2), kBlack) << "no closing picture below Max";

    bar->SetPosition(100);
    image = Render(*bar, kMagenta);
    EXPECT_EQ(image.pixel(147, 2), red);
    EXPECT_EQ(image.pixel(148, 2), kBlack) << "the picture stops at the bar";
    bar->SetPosition(101);
    EXPECT_EQ(Render(*bar, kMagenta).pixel(142, 2), kBlack) << "the closing picture comes only at Max";

    bar->SetTransparentGlyph(false);
    EXPECT_EQ(Render(*bar, kMagenta).pixel(2, 13), qRgb(0, 255, 0));
    bar->SetGlyph(QImage());
    EXPECT_EQ(Render(*bar, kMagenta).pixel(2, 2), kBlack) << "no picture, no fill";
}

// An empty range, or a position below Min, leaves the bar empty without dividing by zero.
TEST(TdxfProgressBarTest, EmptyRangeAndPositionBelowMinDrawAnEmptyBar)
{
    auto bar = MakeHorizontalBar(TdxfPBStyle::sExSolid);
    bar->SetBarBevelOuter(TdxfBevelOuter::bvLowered);
    bar->SetShowText(true);
    const QImage empty = Render(*bar, kMagenta);
    bar->SetPosition(-30);
    EXPECT_EQ(Render(*bar, kMagenta).pixel(2, 8), kBlack);

    bar->SetPosition(0);
    bar->SetMax(0);
    for (TdxfPBStyle style : {TdxfPBStyle::sExSolid, TdxfPBStyle::sRectangles, TdxfPBStyle::sExRectangles}) {
        bar->SetStyle(style);
        for (int position : {0, 5, -5}) {
            bar->SetPosition(position);
            EXPECT_EQ(bar->PositionText(), QStringLiteral("0 %"));
            EXPECT_EQ(Render(*bar, kMagenta), empty);
        }
    }
}

TEST(TdxfProgressBarTest, ExtremeValuesNeitherOverflowNorWrap)
{
    auto bar = MakeHorizontalBar(TdxfPBStyle::sExRectangles);
    bar->SetMin(INT_MIN);
    bar->SetMax(INT_MAX);
    bar->SetPosition(INT_MAX);
    EXPECT_EQ(bar->PositionText(), QStringLiteral("100 %"));
    EXPECT_NE(Render(*bar, kMagenta).pixel(147, 8), kBlack);
    bar->SetMax(INT_MIN + 1);
    EXPECT_EQ(bar->PositionText(), QString::number(std::int64_t(UINT_MAX) * 100) + QStringLiteral(" %"));
    bar->StepIt();
    EXPECT_EQ(bar->Position(), INT_MAX);
    bar->SetPosition(INT_MIN + 3);
    bar->StepBy(-10);
    EXPECT_EQ(bar->Position(), INT_MIN);
}

// A bar shorter than one pitch closes with one block over its whole fill, coloured as at
// the bar's start; a vertical one keeps its bottom row free as all its blocks do.
TEST(TdxfProgressBarTest, ClosingBlockWithoutBoundaryCoversTheFill)
{
    TdxfProgressBar bar; // vertical 150 x 16: the bar is 146 x 12, the pitch 99
    bar.SetStyle(TdxfPBStyle::sExRectangles);
    bar.SetBeginColor(clBlack);
    bar.SetEndColor(RGB(120, 0, 0));
    SetBackground(bar, Qt::blue);
    bar.SetPosition(100);
    QImage image = Render(bar, kMagenta);
    EXPECT_EQ(image.pixel(2, 2), qRgb(10, 0, 0));
    EXPECT_EQ(image.pixel(147, 12), qRgb(10, 0, 0));
    EXPECT_EQ(image.pixel(50, 13), kBlue);

    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.resize(10, 40); // a 6 x 36 bar, pitch 26
    image = Render(bar, kMagenta);
    EXPECT_EQ(image.pixel(2, 2), kBlack);
    EXPECT_EQ(image.pixel(7, 37), kBlack);
    EXPECT_EQ(image.pixel(8, 20), kBlue);
}

// Only the span where the fill end moved is painted, before StepIt returns; the text box
// follows with the next ordinary paint.
TEST(TdxfProgressBarTest, StepItRepaintsTheChangedSpanAtOnce)
{
    auto bar = MakeGameBar<RecordingBar>();
    bar->SetPosition(9);
    ShowAndSettle(*bar);
    bar->Painted.clear();
    bar->StepIt();
    ASSERT_EQ(bar->Painted.size(), 1u);
    EXPECT_EQ(bar->Painted[0], QRect(QPoint(52, 0), QPoint(61, 9)));
    QCoreApplication::processEvents();
    ASSERT_EQ(bar->Painted.size(), 2u);
    EXPECT_EQ(bar->Painted[1], CentredTextBox(bar->font(), QStringLiteral("100 %"), bar->size()) & bar->rect());
}

TEST(TdxfProgressBarTest, RepaintedSpanFollowsDirectionOrientationAndStyle)
{
    RecordingBar bar;
    ShowAndSettle(bar);
    auto moveTo = [&](int position) {
        QCoreApplication::processEvents();
        bar.Painted.clear();
        bar.SetPosition(position);
        return bar.Painted.size() == 1 ? bar.Painted[0] : QRect();
    };
    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.SetStyle(TdxfPBStyle::sSolid);
    moveTo(50);
    EXPECT_EQ(moveTo(40), QRect(QPoint(58, 0), QPoint(76, 15))) << "from 60 - 2 to 75 + 2";
    bar.SetStyle(TdxfPBStyle::sRectangles);
    EXPECT_EQ(moveTo(50), QRect(QPoint(46, 0), QPoint(88, 15))) << "and a block of 12 each side";

    bar.SetOrientation(TdxfPBOrientation::orVertical);
    bar.SetStyle(TdxfPBStyle::sSolid);
    bar.resize(16, 100);
    EXPECT_EQ(moveTo(60), QRect(QPoint(0, 38), QPoint(15, 51)));
    EXPECT_EQ(moveTo(50), QRect(QPoint(0, 38), QPoint(15, 51)));
}

// A percentage wider than "100 %" is refreshed in full, growing and shrinking, so no
// pieces of an earlier text stay on screen.
TEST(TdxfProgressBarTest, WideTextIsRefreshedInFull)
{
    auto bar = MakeGameBar<RecordingBar>();
    bar->SetMax(1);
    bar->SetPosition(9);
    ShowAndSettle(*bar);
    const QRect wide = CentredTextBox(bar->font(), QStringLiteral("1000 %"), bar->size()) & bar->rect();
    ASSERT_FALSE(CentredTextBox(bar->font(), QStringLiteral("100 %"), bar->size()).contains(wide));
    for (int delta : {1, -1}) {
        bar->PaintedRegion = QRegion();
        bar->StepBy(delta);
        QCoreApplication::processEvents();
        EXPECT_TRUE(QRegion(wide).subtracted(bar->PaintedRegion).isEmpty()) << delta;
    }
}

TEST(TdxfProgressBarTest, SettersRepaintOnlyWhenThePictureDependsOnThem)
{
    RecordingBar bar;
    bar.SetStyle(TdxfPBStyle::sSolid);
    ShowAndSettle(bar);
    auto repaints = [&](auto change) {
        QCoreApplication::processEvents();
        bar.Painted.clear();
        change();
        QCoreApplication::processEvents();
        return !bar.Painted.empty();
    };
    EXPECT_FALSE(repaints([&] { bar.SetEndColor(clRed); }));
    EXPECT_TRUE(repaints([&] { bar.SetBeginColor(clRed); }));
    EXPECT_FALSE(repaints([&] { bar.SetShowTextStyle(TdxfShowTextStyle::stsPosition); }));
    bar.SetStyle(TdxfPBStyle::sPictures);
    EXPECT_FALSE(repaints([&] { bar.SetBeginColor(clLime); }));
}

// Vertical text runs top to bottom with the tops of its characters facing right.
TEST(TdxfProgressBarTest, VerticalTextIsTurnedClockwiseAndCentred)
{
    TdxfProgressBar bar;
    bar.resize(30, 120);
    bar.SetBevelOuter(TdxfBevelOuter::bvNone);
    bar.SetShowText(true);
    bar.SetShowTextStyle(TdxfShowTextStyle::stsPosition);
    bar.SetPosition(1700);
    bar.setFont(MakeFont(kPGothic, 16));
    bar.SetFontColor(clYellow);
    SetBackground(bar, Qt::black);
    const QImage image = Render(bar, kMagenta);

    const QFontMetrics metrics(bar.font());
    const int width = metrics.horizontalAdvance(QStringLiteral("1700"));
    const QRect box((30 - metrics.height()) / 2, (120 - width) / 2, metrics.height(), width);
    const QImage flat = ReferenceText(bar.font(), QStringLiteral("1700"), QSize(width, metrics.height()), {0, 0});
    // Share of yellow pixels in common with the flat text turned one way or the other.
    auto overlap = [&](const QImage& turned) {
        int same = 0;
        int total = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool a = box.contains(x, y) && turned.pixel(x - box.left(), y - box.top()) == kYellow;
                const bool b = image.pixel(x, y) == kYellow;
                same += a && b;
                total += a || b;
            }
        }
        return double(same) / total;
    };
    const double clockwise = overlap(flat.transformed(QTransform().rotate(90)));
    EXPECT_GT(clockwise, 0.9);
    EXPECT_GT(clockwise, overlap(flat.transformed(QTransform().rotate(-90))) + 0.3);
}

// A bitmap font cannot be turned, so the vertical text falls back to a sans outline font.
TEST(TdxfProgressBarTest, RotatedTextReplacesBitmapFonts)
{
    const QFont outline = MakeFont(kPGothic, 11);
    EXPECT_EQ(RotatedTextFont(outline), outline);

    QByteArray bdf = "STARTFONT 2.1\nFONT -velquan-VqBlocks-medium-r-normal--10-100-75-75-c-60-iso10646-1\n"
                     "SIZE 10 75 75\nFONTBOUNDINGBOX 6 10 0 -2\nSTARTPROPERTIES 3\nFAMILY_NAME \"VqBlocks\"\n"
                     "FONT_ASCENT 8\nFONT_DESCENT 2\nENDPROPERTIES\nCHARS 1\nSTARTCHAR zero\nENCODING 48\n"
                     "SWIDTH 600 0\nDWIDTH 6 0\nBBX 6 10 0 -2\nBITMAP\n";
    bdf += QByteArray("FC\n").repeated(10) + "ENDCHAR\nENDFONT\n";
    const int id = QFontDatabase::addApplicationFontFromData(bdf);
    if (id < 0)
        GTEST_SKIP() << "this Qt build cannot load bitmap fonts";
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    QFont bitmap(family);
    bitmap.setPixelSize(10);
    ASSERT_EQ(QFontInfo(bitmap).family(), family);

    const QFont rotated = RotatedTextFont(bitmap);
    EXPECT_EQ(rotated.families().value(0), QStringLiteral("Arial"));
    EXPECT_EQ(rotated.pixelSize(), 10);
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(QFontInfo(rotated).family()));
    QFontDatabase::removeApplicationFont(id);
}
