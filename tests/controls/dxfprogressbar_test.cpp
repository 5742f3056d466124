#include "controls/dxfprogressbar.h"
#include "platform/colors.h"
#include "platform/fonts.h"

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
constexpr QRgb kYellow = 0xFFFFFF00;

QRgb Rgb(TColor color)
{
    return ToQColor(color).rgb();
}

QRgb Rgb(int red, int green, int blue)
{
    return qRgb(red, green, blue);
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

// The power gauge exactly as the game sets it up.
template <typename Bar = TdxfProgressBar>
std::unique_ptr<Bar> MakeGameBar()
{
    auto bar = std::make_unique<Bar>();
    bar->resize(120, 10);
    bar->SetMin(0);
    bar->SetMax(20);
    bar->SetStep(1);
    bar->SetPosition(0);
    bar->SetOrientation(TdxfPBOrientation::orHorizontal);
    bar->SetBeginColor(clPurple);
    bar->SetEndColor(clWhite);
    bar->SetStyle(TdxfPBStyle::sExSolid);
    bar->SetBevelOuter(TdxfBevelOuter::bvNone);
    bar->SetBarBevelOuter(TdxfBevelOuter::bvLowered);
    bar->SetShowText(true);
    bar->SetShowTextStyle(TdxfShowTextStyle::stsPercent);
    bar->setFont(MakeFont(kPGothic, 11));
    bar->SetFontColor(clYellow);
    SetBackground(*bar, Qt::black);
    return bar;
}

QImage Render(TdxfProgressBar& bar)
{
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    bar.Paint(painter);
    return image;
}

// Where a centred horizontal text sits: its advance box, measured independently.
QRect CentredTextBox(const QFont& font, const QString& text, QSize size)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text);
    return QRect((size.width() - width) / 2, (size.height() - metrics.height()) / 2, width, metrics.height());
}

// The text as a plain painter would put it at the top-left of box, on black.
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

QRect InkBounds(const QImage& image, QRgb ink)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == ink)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The yellow pixels of the game's bar match the expected text at the centre.
void ExpectCentredText(TdxfProgressBar& bar, const QString& text)
{
    EXPECT_EQ(bar.PositionText(), text);
    const QImage image = Render(bar);
    const QRect box = CentredTextBox(bar.font(), text, bar.size());
    const QImage reference = ReferenceText(bar.font(), text, bar.size(), box.topLeft());
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool expected = reference.pixel(x, y) == kYellow;
            inked += expected;
            ASSERT_EQ(image.pixel(x, y) == kYellow, expected) << "at (" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(inked, 10);
}

void ShowAndSettle(QWidget& widget)
{
    widget.show();
    QCoreApplication::processEvents();
}

} // namespace

TEST(TdxfProgressBarTest, NewBarHasTheDocumentedDefaults)
{
    TdxfProgressBar bar;
    EXPECT_EQ(bar.size(), QSize(150, 16));
    EXPECT_EQ(bar.BarBevelOuter(), TdxfBevelOuter::bvNone);
    EXPECT_EQ(bar.BevelOuter(), TdxfBevelOuter::bvLowered);
    EXPECT_EQ(bar.BeginColor(), clNavy);
    EXPECT_EQ(bar.EndColor(), clWhite);
    EXPECT_TRUE(bar.Glyph().isNull());
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Orientation(), TdxfPBOrientation::orVertical);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_FALSE(bar.ShowText());
    EXPECT_EQ(bar.ShowTextStyle(), TdxfShowTextStyle::stsPercent);
    EXPECT_EQ(bar.Step(), 10);
    EXPECT_EQ(bar.Style(), TdxfPBStyle::sRectangles);
    EXPECT_TRUE(bar.TransparentGlyph());
    EXPECT_EQ(int(TdxfPBStyle::sPictures), 4);
    EXPECT_EQ(int(TdxfPBOrientation::orHorizontal), 1);
}

// The game's gauge: the gradient is fixed along the whole bar and uncovered by the fill.
TEST(TdxfProgressBarTest, GameBarGradientColumns)
{
    auto bar = MakeGameBar();
    bar->SetShowText(false);
    bar->SetBarBevelOuter(TdxfBevelOuter::bvNone);

    bar->SetPosition(10);
    QImage image = Render(*bar);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(image.pixel(0, y), Rgb(128, 0, 128));
        EXPECT_EQ(image.pixel(1, y), Rgb(129, 2, 129));
        EXPECT_EQ(image.pixel(59, y), Rgb(190, 125, 190));
        EXPECT_EQ(image.pixel(60, y), kBlack);
        EXPECT_EQ(image.pixel(119, y), kBlack);
    }

    bar->SetPosition(20);
    image = Render(*bar);
    EXPECT_EQ(image.pixel(59, 5), Rgb(190, 125, 190));
    EXPECT_EQ(image.pixel(119, 0), Rgb(253, 252, 253));
    EXPECT_EQ(image.pixel(119, 9), Rgb(253, 252, 253));

    bar->SetPosition(25);
    EXPECT_EQ(Render(*bar), image) << "the fill stays at the bar's 120 columns";
}

TEST(TdxfProgressBarTest, GameBarSunkenEdgeSurroundsTheFill)
{
    auto bar = MakeGameBar();
    bar->SetPosition(10);
    const QImage image = Render(*bar);
    const QRgb shadow = Rgb(clBtnShadow);
    const QRgb highlight = Rgb(clBtnHighlight);
    ASSERT_NE(shadow, highlight);
    for (int x = 0; x < 59; ++x) {
        EXPECT_EQ(image.pixel(x, 0), shadow) << x;
        EXPECT_EQ(image.pixel(x, 9), highlight) << x;
    }
    for (int y = 0; y < 9; ++y) {
        EXPECT_EQ(image.pixel(0, y), shadow) << y;
        EXPECT_EQ(image.pixel(59, y), highlight) << y;
    }
    EXPECT_EQ(image.pixel(59, 0), highlight);
    EXPECT_EQ(image.pixel(0, 9), highlight);
    // Inside the edge and clear of the text, the gradient shows.
    EXPECT_EQ(image.pixel(1, 1), Rgb(129, 2, 129));
    EXPECT_EQ(image.pixel(10, 8), Rgb(138, 21, 138));
    EXPECT_EQ(image.pixel(60, 0), kBlack);
    EXPECT_EQ(image.pixel(119, 9), kBlack);
}

TEST(TdxfProgressBarTest, GameBarPercentTextIsCentredOnTheControl)
{
    auto bar = MakeGameBar();
    bar->SetBarBevelOuter(TdxfBevelOuter::bvNone);
    const struct {
        int position;
        const char* text;
    } rows[] = {{0, "0 %"}, {10, "50 %"}, {20, "100 %"}, {25, "125 %"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        bar->SetPosition(row.position);
        // Only columns outside the fill read as black in the reference, so compare the
        // yellow pixels alone.
        ExpectCentredText(*bar, QString::fromUtf8(row.text));
    }
    bar->SetPosition(0);
    const QImage empty = Render(*bar);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_TRUE(empty.pixel(x, y) == kBlack || empty.pixel(x, y) == kYellow) << "no fill at 0";
}

TEST(TdxfProgressBarTest, PercentRoundsHalvesToEven)
{
    TdxfProgressBar bar;
    bar.SetMax(40);
    const struct {
        int position;
        const char* text;
    } rows[] = {{1, "2 %"}, {3, "8 %"}, {5, "12 %"}, {2, "5 %"}, {0, "0 %"}, {40, "100 %"},
                {50, "125 %"}, {-1, "-2 %"}, {-3, "-8 %"}};
    for (const auto& row : rows) {
        bar.SetPosition(row.position);
        EXPECT_EQ(bar.PositionText(), QString::fromUtf8(row.text)) << row.position;
    }
    bar.SetShowTextStyle(TdxfShowTextStyle::stsPosition);
    EXPECT_EQ(bar.PositionText(), QStringLiteral("-3"));
}

TEST(TdxfProgressBarTest, RangeNotStartingAtZero)
{
    TdxfProgressBar bar;
    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.SetBevelOuter(TdxfBevelOuter::bvNone);
    bar.SetStyle(TdxfPBStyle::sSolid);
    bar.SetMax(30);
    bar.SetMin(10);
    bar.SetPosition(20);
    SetBackground(bar, Qt::black);
    EXPECT_EQ(bar.PositionText(), QStringLiteral("50 %"));
    const QImage image = Render(bar);
    EXPECT_EQ(image.pixel(74, 8), Rgb(clNavy));
    EXPECT_EQ(image.pixel(75, 8), kBlack);
}

TEST(TdxfProgressBarTest, SettersKeepMinNotAboveMax)
{
    TdxfProgressBar bar;
    bar.SetMin(50);
    bar.SetMax(40);
    EXPECT_EQ(bar.Max(), 100);
    bar.SetMin(101);
    EXPECT_EQ(bar.Min(), 50);
    bar.SetMax(50);
    EXPECT_EQ(bar.Max(), 50);
    bar.SetMin(50);
    EXPECT_EQ(bar.Min(), 50);
}

TEST(TdxfProgressBarTest, SteppingMovesEitherWayAndIsNeverClamped)
{
    TdxfProgressBar bar;
    bar.SetPosition(95);
    bar.StepIt();
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 115);
    bar.StepBy(-200);
    EXPECT_EQ(bar.Position(), -85);
    bar.SetStep(-5);
    bar.StepIt();
    EXPECT_EQ(bar.Position(), -90);
}

// A 16-pixel bar inside the lowered outer edge is 12 pixels high: blocks of 8 with
// 2-pixel gaps from the bar's left edge, and a closing block once the bar is full.
TEST(TdxfProgressBarTest, BlocksOfASixteenPixelBar)
{
    TdxfProgressBar bar;
    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    SetBackground(bar, Qt::black);
    auto columnIs = [](const QImage& image, int x, QRgb color) {
        for (int y = 2; y < 14; ++y)
            if (image.pixel(x, y) != color)
                return false;
        return true;
    };
    const QRgb navy = Rgb(clNavy);

    bar.SetPosition(50); // fill 73 pixels: boundaries 12 .. 72
    QImage image = Render(bar);
    EXPECT_EQ(image.pixel(0, 0), Rgb(clBtnShadow));
    EXPECT_EQ(image.pixel(149, 15), Rgb(clBtnHighlight));
    EXPECT_EQ(image.pixel(1, 1), kBlack);
    for (int x = 2; x < 148; ++x) {
        const bool inBlock = x < 70 && (x - 2) % 10 < 8;
        EXPECT_TRUE(columnIs(image, x, inBlock ? navy : kBlack)) << "column " << x;
    }
    EXPECT_EQ(image.pixel(5, 1), kBlack);
    EXPECT_EQ(image.pixel(5, 14), kBlack);

    bar.SetPosition(100);
    image = Render(bar);
    EXPECT_TRUE(columnIs(image, 139, navy));
    EXPECT_TRUE(columnIs(image, 140, kBlack));
    EXPECT_TRUE(columnIs(image, 141, kBlack));
    for (int x = 142; x < 148; ++x)
        EXPECT_TRUE(columnIs(image, x, navy)) << "closing block, column " << x;
    EXPECT_EQ(image.pixel(148, 8), kBlack);

    bar.SetBarBevelOuter(TdxfBevelOuter::bvRaised);
    image = Render(bar);
    EXPECT_EQ(image.pixel(2, 2), Rgb(clBtnHighlight));
    EXPECT_EQ(image.pixel(9, 13), Rgb(clBtnShadow));
    EXPECT_EQ(image.pixel(5, 8), navy);
}

TEST(TdxfProgressBarTest, GradientBlocksTakeTheColourAtTheirBoundary)
{
    TdxfProgressBar bar;
    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.SetStyle(TdxfPBStyle::sExRectangles);
    bar.SetBeginColor(clBlack);
    bar.SetEndColor(RGB(146, 73, 0));
    bar.SetPosition(100);
    const QImage image = Render(bar);
    // The bar is 146 pixels long, so channel values read as boundary offsets.
    EXPECT_EQ(image.pixel(2, 5), Rgb(10, 5, 0));
    EXPECT_EQ(image.pixel(9, 5), Rgb(10, 5, 0));
    EXPECT_EQ(image.pixel(12, 5), Rgb(20, 10, 0));
    EXPECT_EQ(image.pixel(147, 5), Rgb(140, 70, 0)) << "closing block at the last boundary";
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
    QImage image = Render(bar);
    EXPECT_EQ(image.pixel(8, 99), Rgb(2, 1, 0));
    EXPECT_EQ(image.pixel(8, 50), Rgb(100, 50, 0));
    EXPECT_EQ(image.pixel(8, 49), qRgb(0, 0, 255));
    bar.SetPosition(100);
    image = Render(bar);
    EXPECT_EQ(image.pixel(0, 0), Rgb(200, 100, 0));
    EXPECT_EQ(image.pixel(15, 0), Rgb(200, 100, 0));
}

TEST(TdxfProgressBarTest, SystemColoursAreResolvedBeforeTheGradient)
{
    TdxfProgressBar bar;
    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.SetBevelOuter(TdxfBevelOuter::bvNone);
    bar.SetStyle(TdxfPBStyle::sExSolid);
    bar.SetBeginColor(clBtnFace);
    bar.SetPosition(100);
    EXPECT_EQ(Render(bar).pixel(0, 8), Rgb(clBtnFace));
}

// A glyph sets the bar's thickness to its own plus the bevels.
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
    EXPECT_TRUE(vertical.Glyph().isNull());
}

TEST(TdxfProgressBarTest, PicturesRepeatWithoutTheirTransparentColour)
{
    // Red with a green key colour in the bottom-left pixel and the bottom row.
    QImage glyph(20, 12, QImage::Format_RGB32);
    glyph.fill(Qt::red);
    for (int x = 0; x < 20; ++x)
        glyph.setPixel(x, 11, qRgb(0, 255, 0));
    TdxfProgressBar bar;
    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.SetStyle(TdxfPBStyle::sPictures);
    bar.SetGlyph(glyph);
    SetBackground(bar, Qt::black);
    const QRgb red = qRgb(255, 0, 0);

    bar.SetPosition(99); // fill 144: pictures at 2 .. 102, the next would end at 142
    QImage image = Render(bar);
    EXPECT_EQ(image.pixel(2, 2), red);
    EXPECT_EQ(image.pixel(121, 12), red);
    EXPECT_EQ(image.pixel(2, 13), kBlack) << "key colour left out";
    EXPECT_EQ(image.pixel(122, 2), red);
    EXPECT_EQ(image.pixel(142, 2), kBlack) << "no closing picture below Max";

    bar.SetPosition(100);
    image = Render(bar);
    EXPECT_EQ(image.pixel(142, 2), red);
    EXPECT_EQ(image.pixel(147, 2), red);
    EXPECT_EQ(image.pixel(148, 2), kBlack) << "the picture stops at the bar";
    EXPECT_EQ(image.pixel(149, 2), Rgb(clBtnHighlight));

    bar.SetPosition(101);
    EXPECT_EQ(Render(bar).pixel(142, 2), kBlack) << "the closing picture comes only at Max";

    bar.SetPosition(100);
    bar.SetTransparentGlyph(false);
    EXPECT_EQ(Render(bar).pixel(2, 13), qRgb(0, 255, 0));

    bar.SetGlyph(QImage());
    EXPECT_EQ(Render(bar).pixel(2, 2), kBlack) << "no picture, no fill";
}

// An empty range or a position below Min leaves the bar empty, with no division by zero.
TEST(TdxfProgressBarTest, EmptyRangeAndPositionBelowMinDrawAnEmptyBar)
{
    TdxfProgressBar bar;
    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.SetStyle(TdxfPBStyle::sExSolid);
    bar.SetBarBevelOuter(TdxfBevelOuter::bvLowered);
    bar.SetShowText(true);
    const QImage empty = Render(bar);

    bar.SetPosition(-30);
    EXPECT_EQ(Render(bar).pixel(2, 8), empty.pixel(2, 8));
    EXPECT_EQ(Render(bar).pixel(1, 8), empty.pixel(1, 8));

    bar.SetPosition(0);
    bar.SetMax(0);
    ASSERT_EQ(bar.Max(), 0);
    for (int position : {0, 5, -5}) {
        bar.SetPosition(position);
        EXPECT_EQ(bar.PositionText(), QStringLiteral("0 %"));
        EXPECT_EQ(Render(bar).pixel(2, 8), empty.pixel(2, 8));
    }
    for (TdxfPBStyle style : {TdxfPBStyle::sRectangles, TdxfPBStyle::sExRectangles}) {
        bar.SetStyle(style);
        EXPECT_EQ(Render(bar).pixel(2, 8), empty.pixel(2, 8));
    }
}

TEST(TdxfProgressBarTest, ExtremeValuesDoNotOverflow)
{
    TdxfProgressBar bar;
    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.SetStyle(TdxfPBStyle::sExRectangles);
    bar.SetMin(INT_MIN);
    bar.SetMax(INT_MAX);
    bar.SetPosition(INT_MAX);
    EXPECT_EQ(bar.PositionText(), QStringLiteral("100 %"));
    EXPECT_NE(Render(bar).pixel(147, 8), Render(bar).pixel(1, 8));
    bar.SetMax(INT_MIN + 1);
    bar.SetPosition(INT_MAX);
    EXPECT_EQ(bar.PositionText(), QString::number(std::int64_t(UINT_MAX) * 100) + QStringLiteral(" %"));
    bar.StepIt();
    EXPECT_EQ(bar.Position(), INT_MAX) << "stepping saturates instead of wrapping";
    bar.SetPosition(INT_MIN + 3);
    bar.StepBy(-10);
    EXPECT_EQ(bar.Position(), INT_MIN);
}

// A bar shorter than one block pitch closes with a single block over its whole fill; the
// vertical one keeps the bottom row free as every vertical block does.
TEST(TdxfProgressBarTest, ClosingBlockWithoutBoundaryCoversTheFill)
{
    TdxfProgressBar bar; // vertical 150 x 16: the bar is 146 x 12, the pitch 99
    bar.SetStyle(TdxfPBStyle::sExRectangles);
    bar.SetBeginColor(clBlack);
    bar.SetEndColor(RGB(120, 0, 0));
    SetBackground(bar, Qt::black);
    bar.SetPosition(100);
    const QImage image = Render(bar);
    EXPECT_EQ(image.pixel(2, 2), Rgb(10, 0, 0));
    EXPECT_EQ(image.pixel(147, 12), Rgb(10, 0, 0));
    EXPECT_EQ(image.pixel(50, 13), kBlack);
    EXPECT_EQ(image.pixel(1, 5), kBlack);

    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.resize(10, 40); // a 6 x 36 bar, pitch 26
    bar.SetEndColor(RGB(6, 0, 0));
    SetBackground(bar, Qt::blue);
    const QImage horizontal = Render(bar);
    EXPECT_EQ(horizontal.pixel(2, 2), kBlack) << "gradient at the bar's start";
    EXPECT_EQ(horizontal.pixel(7, 37), kBlack);
    EXPECT_EQ(horizontal.pixel(8, 20), qRgb(0, 0, 255));
}

// The bar is painted before StepIt returns, and only where the fill end moved.
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
    EXPECT_EQ(bar->Painted[1], CentredTextBox(bar->font(), QStringLiteral("100 %"), bar->size()) & bar->rect())
        << "the text box waits for the next ordinary paint";
}

TEST(TdxfProgressBarTest, RepaintedSpanFollowsDirectionOrientationAndStyle)
{
    RecordingBar bar;
    bar.SetShowText(false);
    ShowAndSettle(bar);
    auto stepTo = [&](int position) {
        bar.Painted.clear();
        bar.SetPosition(position);
        return bar.Painted.size() == 1 ? bar.Painted[0] : QRect();
    };

    bar.SetOrientation(TdxfPBOrientation::orHorizontal);
    bar.SetStyle(TdxfPBStyle::sSolid);
    QCoreApplication::processEvents();
    stepTo(50);
    EXPECT_EQ(stepTo(40), QRect(QPoint(58, 0), QPoint(76, 15))) << "falling: from 60 - 2 to 75 + 2";

    bar.SetStyle(TdxfPBStyle::sRectangles);
    QCoreApplication::processEvents();
    EXPECT_EQ(stepTo(50), QRect(QPoint(46, 0), QPoint(88, 15))) << "widened by one block of 12";

    bar.SetOrientation(TdxfPBOrientation::orVertical);
    bar.SetStyle(TdxfPBStyle::sSolid);
    bar.resize(16, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(stepTo(60), QRect(QPoint(0, 38), QPoint(15, 51)));
    EXPECT_EQ(stepTo(50), QRect(QPoint(0, 38), QPoint(15, 51)));
}

// Setters repaint only when the picture depends on what they changed.
TEST(TdxfProgressBarTest, SettersRepaintOnlyWhenThePictureChanges)
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
    EXPECT_FALSE(repaints([&] { bar.SetBeginColor(clRed); }));
    EXPECT_FALSE(repaints([&] { bar.SetShowTextStyle(TdxfShowTextStyle::stsPosition); }));
    EXPECT_FALSE(repaints([&] { bar.SetStep(3); }));
    EXPECT_FALSE(repaints([&] { bar.SetMax(-1); }));
    EXPECT_TRUE(repaints([&] { bar.SetMax(50); }));
    EXPECT_TRUE(repaints([&] { bar.SetStyle(TdxfPBStyle::sExSolid); }));
    EXPECT_TRUE(repaints([&] { bar.SetEndColor(clBlue); }));
    // As wide as the bar already is, so that no resize repaints it.
    const QImage glyph(146, 4, QImage::Format_RGB32);
    EXPECT_FALSE(repaints([&] { bar.SetGlyph(glyph); }));
    bar.SetStyle(TdxfPBStyle::sPictures);
    EXPECT_TRUE(repaints([&] { bar.SetGlyph(glyph); }));
    EXPECT_FALSE(repaints([&] { bar.SetBeginColor(clLime); }));
    EXPECT_TRUE(repaints([&] { bar.SetTransparentGlyph(false); }));
}

// A percentage wider than "100 %" is refreshed in full, growing and shrinking, so no
// pieces of an earlier text stay on screen.
TEST(TdxfProgressBarTest, WideTextIsRefreshedInFull)
{
    auto bar = MakeGameBar<RecordingBar>();
    bar->SetMax(1);
    bar->SetPosition(9);
    ShowAndSettle(*bar);
    const QRect narrow = CentredTextBox(bar->font(), QStringLiteral("100 %"), bar->size());
    const QRect wide = CentredTextBox(bar->font(), QStringLiteral("1000 %"), bar->size());
    ASSERT_FALSE(narrow.contains(wide));
    auto covered = [&] { return QRegion(wide & bar->rect()).subtracted(bar->PaintedRegion).isEmpty(); };

    bar->PaintedRegion = QRegion();
    bar->StepIt();
    QCoreApplication::processEvents();
    EXPECT_TRUE(covered());

    bar->PaintedRegion = QRegion();
    bar->StepBy(-1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(covered());
}

// Vertical text runs top to bottom with the tops of the characters facing right, centred.
TEST(TdxfProgressBarTest, VerticalTextIsRotatedClockwise)
{
    TdxfProgressBar bar;
    bar.resize(30, 120);
    bar.SetBevelOuter(TdxfBevelOuter::bvNone);
    bar.SetPosition(0);
    bar.SetShowText(true);
    bar.SetShowTextStyle(TdxfShowTextStyle::stsPosition);
    bar.SetMax(2000);
    bar.SetPosition(1700);
    bar.SetStyle(TdxfPBStyle::sPictures); // text only
    bar.setFont(MakeFont(kPGothic, 16));
    bar.SetFontColor(clYellow);
    SetBackground(bar, Qt::black);
    const QImage image = Render(bar);

    const QFontMetrics metrics(bar.font());
    const int width = metrics.horizontalAdvance(QStringLiteral("1700"));
    const QRect box((30 - metrics.height()) / 2, (120 - width) / 2, metrics.height(), width);
    const QRect ink = InkBounds(image, kYellow);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(box.contains(ink)) << "ink outside the rotated text box";
    EXPECT_GT(ink.height(), 2 * ink.width());

    // Compare with the horizontal text turned both ways: clockwise must match far better.
    const QImage flat = ReferenceText(bar.font(), QStringLiteral("1700"), QSize(width, metrics.height()), {0, 0});
    auto overlap = [&](const QImage& turned) {
        int same = 0;
        int total = 0;
        for (int y = 0; y < turned.height(); ++y) {
            for (int x = 0; x < turned.width(); ++x) {
                const bool a = turned.pixel(x, y) == kYellow;
                const bool b = image.pixel(box.left() + x, box.top() + y) == kYellow;
                same += a && b;
                total += a || b;
            }
        }
        return double(same) / total;
    };
    const double clockwise = overlap(flat.transformed(QTransform().rotate(90)));
    const double counter = overlap(flat.transformed(QTransform().rotate(-90)));
    EXPECT_GT(clockwise, 0.6);
    EXPECT_GT(clockwise, counter + 0.2);
}

// A bitmap font cannot be turned, so the vertical text falls back to a sans outline font.
TEST(TdxfProgressBarTest, RotatedTextReplacesBitmapFonts)
{
    const QFont outline = MakeFont(kPGothic, 11);
    EXPECT_EQ(RotatedTextFont(outline), outline);

    QByteArray bdf =
        "STARTFONT 2.1\nFONT -velquan-VqBlocks-medium-r-normal--10-100-75-75-c-60-iso10646-1\n"
        "SIZE 10 75 75\nFONTBOUNDINGBOX 6 10 0 -2\nSTARTPROPERTIES 4\nFAMILY_NAME \"VqBlocks\"\n"
        "FONT_ASCENT 8\nFONT_DESCENT 2\nDEFAULT_CHAR 48\nENDPROPERTIES\nCHARS 2\n";
    for (const char* name : {"zero", "one"}) {
        bdf += QByteArray("STARTCHAR ") + name + "\nENCODING " + (name[0] == 'z' ? "48" : "49") +
               "\nSWIDTH 600 0\nDWIDTH 6 0\nBBX 6 10 0 -2\nBITMAP\n";
        for (int row = 0; row < 10; ++row)
            bdf += "FC\n";
        bdf += "ENDCHAR\n";
    }
    bdf += "ENDFONT\n";
    const int id = QFontDatabase::addApplicationFontFromData(bdf);
    if (id < 0)
        GTEST_SKIP() << "this Qt build cannot load bitmap fonts";
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    QFont bitmap(family);
    bitmap.setPixelSize(10);
    ASSERT_EQ(QFontInfo(bitmap).family(), family);
    ASSERT_FALSE(QFontDatabase::isSmoothlyScalable(family));

    const QFont rotated = RotatedTextFont(bitmap);
    EXPECT_EQ(rotated.families().value(0), QStringLiteral("Arial"));
    EXPECT_EQ(rotated.pixelSize(), 10);
    EXPECT_NE(QFontInfo(rotated).family(), family);
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(QFontInfo(rotated).family()));
    QFontDatabase::removeApplicationFont(id);
}
