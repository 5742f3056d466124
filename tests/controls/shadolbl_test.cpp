#include "controls/shadolbl.h"
#include "desktop/fonts.h"
#include "desktop/textdraw.h"

#include "support/printrow.h"
#include "support/render.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

#include <set>

namespace {

QRgb Rgb(TColor color)
{
    return ToQColor(color).rgb();
}

QColor Gray(int level)
{
    return QColor(level, level, level);
}

// Distinct colours of the pixels in columns [left, right) that differ from background.
std::set<QRgb> InkColours(const QImage& image, int left, int right, QRgb background)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = std::max(0, left); x < std::min(right, image.width()); ++x)
            if (image.pixel(x, y) != background)
                colours.insert(image.pixel(x, y));
    return colours;
}

int FirstInkRow(const QImage& image, QRgb background)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                return y;
    return -1;
}

// A transparent label with only its face showing, as a plain stage for colour checks.
void MakeBareFace(TShadowLabel& label, const QString& caption)
{
    label.setFont(MakeFont(kPGothic, 16));
    label.SetTransparent(true);
    label.SetFontColor(clWhite);
    label.Shadow()->SetShadowVisible(false);
    label.Highlight()->SetShadowVisible(false);
    label.SetCaption(caption);
}

// Left edges of consecutive characters drawn from the label's left edge.
std::vector<int> CellEdges(const QFont& font, const QStringList& characters)
{
    std::vector<int> edges{0};
    for (const QString& character : characters)
        edges.push_back(edges.back() + TextWidth(font, character));
    return edges;
}

class PaintCountingLabel : public TShadowLabel {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TShadowLabel::paintEvent(event);
    }
};

} // namespace

TEST(GradBitmapTest, VerticalRampTruncatesAndCopiesTheFirstColumn)
{
    QImage bitmap(3, 4, QImage::Format_RGB32);
    GradBitmap(bitmap, clBlack, clWhite, true);
    const int expected[] = {0, 84, 169, 255};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(QColor(bitmap.pixel(x, y)), Gray(expected[y])) << x << "," << y;
}

TEST(GradBitmapTest, HorizontalRampHasExactEndsAndIdenticalRows)
{
    QImage bitmap(7, 3, QImage::Format_RGB32);
    GradBitmap(bitmap, clPurple, clYellow, false);
    EXPECT_EQ(bitmap.pixel(0, 0), Rgb(clPurple));
    EXPECT_EQ(bitmap.pixel(6, 0), Rgb(clYellow));
    for (int y = 1; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(bitmap.pixel(x, y), bitmap.pixel(x, 0));
}

TEST(GradBitmapTest, EqualColoursFillUniformlyAndOnePixelExtentsTakeTheFirstColour)
{
    QImage uniform(5, 5, QImage::Format_RGB32);
    GradBitmap(uniform, clTeal, clTeal, false);
    EXPECT_EQ(InkColours(uniform, 0, 5, 0), std::set<QRgb>{Rgb(clTeal)});

    QImage oneRow(4, 1, QImage::Format_RGB32);
    GradBitmap(oneRow, clRed, clBlue, true);
    EXPECT_EQ(InkColours(oneRow, 0, 4, 0), std::set<QRgb>{Rgb(clRed)});

    QImage oneColumn(1, 4, QImage::Format_RGB32);
    GradBitmap(oneColumn, clRed, clBlue, false);
    EXPECT_EQ(InkColours(oneColumn, 0, 1, 0), std::set<QRgb>{Rgb(clRed)});

    QImage empty;
    GradBitmap(empty, clRed, clBlue, false);
    EXPECT_TRUE(empty.isNull());
}

TEST(GradBitmapTest, AcceptsSystemColours)
{
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(12, 34, 56));
    QApplication::setPalette(palette);

    QImage bitmap(1, 3, QImage::Format_RGB32);
    GradBitmap(bitmap, clBtnFace, clWhite, true);
    EXPECT_EQ(QColor(bitmap.pixel(0, 0)), QColor(12, 34, 56));
    EXPECT_EQ(QColor(bitmap.pixel(0, 2)), QColor(255, 255, 255));

    QApplication::setPalette(saved);
}

// GradRect must paint exactly what GradBitmap computes over the same extent.
TEST(GradRectTest, MatchesTheBitmapGradientOverTheRectangle)
{
    for (const bool vertical : {false, true}) {
        QImage canvas(120, 30, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        {
            QPainter painter(&canvas);
            GradRect(painter, TRect{10, 5, 110, 21}, clBlue, clWhite, vertical);
        }
        QImage reference(100, 16, QImage::Format_RGB32);
        GradBitmap(reference, clBlue, clWhite, vertical);
        EXPECT_EQ(canvas.copy(10, 5, 100, 16), reference) << "vertical " << vertical;
        EXPECT_EQ(canvas.pixel(9, 5), qRgb(0, 0, 0));
        EXPECT_EQ(canvas.pixel(10, 21), qRgb(0, 0, 0));
    }
}

TEST(TShadowTest, NotifiesOnlyForRealChangesAndOnceForAssign)
{
    TShadow shadow;
    int notifications = 0;
    TShadow* sender = nullptr;
    shadow.OnChange = [&](TShadow* from) {
        ++notifications;
        sender = from;
    };

    shadow.SetShadowLeft(1);
    shadow.SetShadowTop(1);
    shadow.SetShadowColor(clSilver);
    shadow.SetShadowVisible(true);
    EXPECT_EQ(notifications, 0);

    shadow.SetShadowLeft(3);
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(sender, &shadow);

    TShadow identical;
    identical.SetShadowLeft(3);
    shadow.Assign(identical);
    EXPECT_EQ(notifications, 2);

    TShadow other;
    other.SetShadowColor(clRed);
    other.SetShadowTop(-4);
    other.SetShadowVisible(false);
    shadow.Assign(other);
    EXPECT_EQ(notifications, 3);
    EXPECT_EQ(shadow.Color(), clRed);
    EXPECT_EQ(shadow.OffsetLeft(), 1);
    EXPECT_EQ(shadow.OffsetTop(), -4);
    EXPECT_FALSE(shadow.Visible());
}

TEST(TShadowLabelTest, StartsWithItsDefaults)
{
    TShadowLabel label;
    EXPECT_TRUE(label.Flickerless());
    EXPECT_EQ(label.GradationColor(), clBlue);
    EXPECT_EQ(label.TextGradationColor(), clMaroon);
    EXPECT_EQ(label.TextMidColor(), clNavy);
    EXPECT_EQ(label.Highlight()->Color(), clWhite);
    EXPECT_EQ(label.Highlight()->OffsetLeft(), -1);
    EXPECT_EQ(label.Highlight()->OffsetTop(), -1);
    EXPECT_EQ(label.Shadow()->Color(), clSilver);
    EXPECT_EQ(label.Shadow()->OffsetLeft(), 1);
    EXPECT_EQ(label.TextGradation(), TTextGradation::tgNone);
    EXPECT_EQ(label.Ellipsis(), TEllipsis::elNone);
}

TEST(TShadowLabelTest, BuildsDrawingFlagsFromItsProperties)
{
    TShadowLabel label;
    EXPECT_EQ(label.DrawTextFlags(), DT_EXPANDTABS | DT_LEFT);
    label.SetAlignment(TAlignment::taCenter);
    label.SetWordWrap(true);
    label.SetShowAccelChar(false);
    label.SetEllipsis(TEllipsis::elEnd);
    EXPECT_EQ(label.DrawTextFlags(), 0x40u | 0x1u | 0x10u | 0x800u | 0x8000u);
    label.SetAlignment(TAlignment::taRightJustify);
    label.SetEllipsis(TEllipsis::elPath);
    EXPECT_EQ(label.DrawTextFlags(), 0x40u | 0x2u | 0x10u | 0x800u | 0x4000u);
}

struct FaceCase {
    const char* name;
    QString caption;
    TTextGradation gradation;
    std::vector<TColor> colours; // one per character, in order
};
PRINT_ROW_BY_NAME(FaceCase, name)

class TShadowLabelFaceTest : public ::testing::TestWithParam<FaceCase> {};

// Each character's ink carries exactly the colour the gradient gives its position.
TEST_P(TShadowLabelFaceTest, ColoursEachCharacterInTurn)
{
    const FaceCase& row = GetParam();
    TShadowLabel label;
    MakeBareFace(label, row.caption);
    label.SetTextGradation(row.gradation);
    label.SetTextMidColor(clLime);
    label.SetTextGradationColor(clRed);

    const QRgb background = qRgb(0, 0, 90);
    const QImage image = Render(label, background);
    QStringList characters;
    for (const QChar character : row.caption)
        characters << QString(character);
    const auto edges = CellEdges(label.font(), characters);
    ASSERT_EQ(row.colours.size(), size_t(characters.size()));
    for (size_t k = 0; k < row.colours.size(); ++k)
        EXPECT_EQ(InkColours(image, edges[k], edges[k + 1], background), std::set<QRgb>{Rgb(row.colours[k])})
            << "character " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TShadowLabelFaceTest,
    ::testing::Values(
        // White to red over five characters: 255,191,127,63,0 in green and blue.
        FaceCase{"ScoreRunsWhiteToRed",
                 "SCORE",
                 TTextGradation::tg2Colors,
                 {RGB(255, 255, 255), RGB(255, 191, 191), RGB(255, 127, 127), RGB(255, 63, 63), RGB(255, 0, 0)}},
        FaceCase{"ThreeColoursSplitAbcIntoAAndBc", "abc", TTextGradation::tg3Colors, {clWhite, clLime, clRed}},
        FaceCase{"ThreeColoursOnTwoCharactersSkipTheMiddle", "ab", TTextGradation::tg3Colors, {clWhite, clRed}},
        // "aあい" is 5 bytes; the midpoint byte leads あ, so the split moves past it.
        FaceCase{"SplitNeverCutsADoubleByteCharacter",
                 QStringLiteral("aあい"),
                 TTextGradation::tg3Colors,
                 {clWhite, clLime, clRed}},
        FaceCase{"OneCharacterKeepsTheTextColour", "A", TTextGradation::tg2Colors, {clWhite}},
        // Letters the code page lacks are drawn as themselves, a step each, not as "?".
        FaceCase{"LettersTheCodePageLacksKeepTheirPlaces",
                 QStringLiteral("łąkę"),
                 TTextGradation::tg2Colors,
                 {RGB(255, 255, 255), RGB(255, 170, 170), RGB(255, 85, 85), RGB(255, 0, 0)}}),
    [](const ::testing::TestParamInfo<FaceCase>& info) { return std::string(info.param.name); });

// Each letter's advance is rounded on its own, so a caption drawn letter by letter is wider
// than measured whole: an auto-sized label must make room for the drawn one's last letter.
TEST(TShadowLabelTest, AutoSizeMakesRoomForACaptionDrawnLetterByLetter)
{
    TShadowLabel label;
    MakeBareFace(label, QStringLiteral("F3 Starts the Gaaame"));
    label.SetTextGradation(TTextGradation::tg2Colors);
    QStringList letters;
    for (const QChar letter : label.Caption())
        letters << QString(letter);
    const int drawnWidth = CellEdges(label.font(), letters).back();
    ASSERT_GT(drawnWidth, TextWidth(label.font(), label.Caption()));
    EXPECT_EQ(label.width(), drawnWidth);
}

// Shadow and highlight are moved far apart so each copy can be read on its own rows.
TEST(TShadowLabelTest, DisabledLabelUsesGreyShadowAndButtonColours)
{
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Light, QColor(250, 240, 230));
    palette.setColor(QPalette::Dark, QColor(70, 60, 50));
    QApplication::setPalette(palette);

    TShadowLabel label;
    label.setFont(MakeFont(kPGothic, 16));
    label.SetAutoSize(false);
    label.SetTransparent(true);
    label.SetFontColor(clYellow);
    label.Shadow()->SetShadowLeft(0);
    label.Shadow()->SetShadowTop(30);
    label.Highlight()->SetShadowLeft(0);
    label.Highlight()->SetShadowTop(60);
    label.SetCaption(QStringLiteral("HI"));
    label.resize(60, 90);
    label.setEnabled(false);

    const QRgb background = qRgb(0, 0, 0);
    const QImage image = Render(label, background);
    EXPECT_EQ(InkColours(image.copy(0, 0, 60, 30), 0, 60, background), std::set<QRgb>{qRgb(70, 60, 50)});
    EXPECT_EQ(InkColours(image.copy(0, 30, 60, 30), 0, 60, background), std::set<QRgb>{qRgb(128, 128, 128)});
    EXPECT_EQ(InkColours(image.copy(0, 60, 60, 30), 0, 60, background), std::set<QRgb>{qRgb(250, 240, 230)});

    // A gradient face keeps its own colours while disabled.
    label.Shadow()->SetShadowVisible(false);
    label.Highlight()->SetShadowVisible(false);
    label.SetTextGradation(TTextGradation::tg2Colors);
    label.SetTextGradationColor(clRed);
    const auto edges = CellEdges(label.font(), {"H", "I"});
    const QImage gradient = Render(label, background);
    EXPECT_EQ(InkColours(gradient, edges[0], edges[1], background), std::set<QRgb>{Rgb(clYellow)});
    EXPECT_EQ(InkColours(gradient, edges[1], edges[2], background), std::set<QRgb>{Rgb(clRed)});

    QApplication::setPalette(saved);
}

TEST(TShadowLabelTest, CentredLayoutMovesATwelvePixelTextDownByTwo)
{
    TShadowLabel label;
    MakeBareFace(label, QStringLiteral("Xy"));
    int size = 8;
    for (; size < 20; ++size) {
        TRect measured{0, 0, 100, 100};
        if (CalcTextRect(MakeFont(kPGothic, size), QStringLiteral("Xy"), measured, DT_EXPANDTABS) == 12)
            break;
    }
    ASSERT_LT(size, 20) << "no font size gives a 12-pixel line";
    label.setFont(MakeFont(kPGothic, size));
    label.SetAutoSize(false);
    label.resize(40, 16);

    const QRgb background = qRgb(0, 0, 0);
    const int top = FirstInkRow(Render(label, background), background);
    label.SetLayout(TTextLayout::tlCenter);
    EXPECT_EQ(FirstInkRow(Render(label, background), background), top + 2);
    label.SetLayout(TTextLayout::tlBottom);
    EXPECT_EQ(FirstInkRow(Render(label, background), background), top + 4);
}

TEST(TShadowLabelTest, TransparentLabelDrawsNoBackground)
{
    TShadowLabel label;
    label.SetAutoSize(false);
    label.resize(30, 12);
    label.SetCaption(QString());
    label.SetColor(clRed);
    label.SetGradation(true);
    label.SetTransparent(true);

    const QRgb background = qRgb(1, 2, 3);
    EXPECT_EQ(InkColours(Render(label, background), 0, 30, background), std::set<QRgb>{});

    label.SetTransparent(false);
    const QImage opaque = Render(label, background);
    EXPECT_EQ(opaque.pixel(0, 0), Rgb(clBlue));
    EXPECT_EQ(opaque.pixel(29, 0), Rgb(clRed));
}

// Off-screen and direct painting must give the same picture.
TEST(TShadowLabelTest, FlickerlessPaintEqualsDirectPaint)
{
    for (const bool vertical : {false, true}) {
        TShadowLabel label;
        label.setFont(MakeFont(kPGothic, 16));
        label.SetAutoSize(false);
        label.resize(90, 40);
        label.SetCaption(QStringLiteral("SCORE"));
        label.SetColor(clBlack);
        label.SetGradation(true);
        label.SetGradateVert(vertical);
        label.SetGradationColor(12615680);
        label.SetTextGradation(TTextGradation::tg2Colors);
        label.SetLayout(TTextLayout::tlCenter);

        const QImage offscreen = Render(label, qRgb(9, 9, 9));
        label.SetFlickerless(false);
        EXPECT_EQ(Render(label, qRgb(9, 9, 9)), offscreen) << "vertical " << vertical;
        EXPECT_EQ(offscreen.pixel(0, 0), Rgb(12615680));
    }
}

TEST(TShadowLabelTest, SettersRepaintOnlyWhenTheirValueShows)
{
    PaintCountingLabel label;
    label.resize(40, 16);
    label.show();
    QCoreApplication::processEvents();
    const auto paintsAfter = [&](auto change) {
        label.paints = 0;
        change();
        QCoreApplication::processEvents();
        return label.paints;
    };

    EXPECT_EQ(paintsAfter([&] { label.SetTextGradationColor(clRed); }), 0);
    EXPECT_EQ(paintsAfter([&] { label.SetTextGradation(TTextGradation::tg2Colors); }), 1);
    EXPECT_EQ(paintsAfter([&] { label.SetTextMidColor(clLime); }), 0);
    EXPECT_EQ(paintsAfter([&] { label.SetTextGradationColor(clYellow); }), 1);
    EXPECT_EQ(paintsAfter([&] { label.SetFlickerless(false); }), 0);
    EXPECT_EQ(paintsAfter([&] { label.SetGradation(false); }), 0);
    EXPECT_EQ(paintsAfter([&] { label.Shadow()->SetShadowLeft(2); }), 1);
}

TEST(TShadowLabelTest, ShadowSettersCopyAndNeverShare)
{
    TShadowLabel label;
    TShadow given;
    given.SetShadowColor(clBlack);
    given.SetShadowLeft(4);
    label.SetShadow(&given);
    given.SetShadowColor(clRed);
    EXPECT_EQ(label.Shadow()->Color(), clBlack);
    EXPECT_EQ(label.Shadow()->OffsetLeft(), 4);
    EXPECT_NE(label.Shadow(), &given);

    label.SetHighlight(nullptr);
    EXPECT_EQ(label.Highlight()->Color(), clWhite);
}
