#include "controls/buttonpressed.h"
#include "controls/dxfcolorbutton.h"
#include "controls/shinespdbtn.h"
#include "desktop/textdraw.h"
#include "services/timer.h"
#include "support/printrow.h"
#include "support/render.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Art = std::vector<std::string>;
using Legend = std::map<char, QRgb>;

constexpr QRgb kKey = 0xFF008080;
constexpr QRgb kInkA = 0xFF6432C8;  // (100, 50, 200)
constexpr QRgb kInkB = 0xFFFF0300;  // (255, 3, 0)
constexpr QRgb kShine = 0xFF1EFA07; // (30, 250, 7)
constexpr QRgb kFace = 0xFF0A141E;  // (10, 20, 30)

TColor ColorOf(QRgb pixel)
{
    return RGB(std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)), std::uint8_t(qBlue(pixel)));
}

QImage FromArt(const Art& rows, const Legend& legend)
{
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, legend.at(rows[y][x]));
    return image;
}

// The image as characters of the legend; colours it does not know read as '?'.
Art ToArt(const QImage& image, const Legend& legend, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    Art rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::string row;
        for (int x = area.left(); x <= area.right(); ++x) {
            char shown = '?';
            for (const auto& [c, colour] : legend)
                if ((image.pixel(x, y) | 0xFF000000u) == colour)
                    shown = c;
            row += shown;
        }
        rows.push_back(row);
    }
    return rows;
}

QImage Render(TShineSpeedButton& button)
{
    return ::Render(button, qRgb(255, 0, 255));
}

PixelSet Minus(const PixelSet& a, const PixelSet& b)
{
    PixelSet result;
    for (const auto& pixel : a)
        if (!b.count(pixel))
            result.insert(pixel);
    return result;
}

// A known palette, so system colours in the defaults resolve to colours the tests can tell apart.
class ShineSpeedButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPalette palette = saved;
        palette.setColor(QPalette::Button, QColor(200, 200, 200));
        palette.setColor(QPalette::Light, QColor(250, 250, 250));
        palette.setColor(QPalette::Dark, QColor(90, 90, 90));
        palette.setColor(QPalette::Shadow, QColor(10, 10, 10));
        palette.setColor(QPalette::ButtonText, QColor(0, 0, 0));
        palette.setColor(QPalette::Highlight, QColor(0, 0, 160));
        QApplication::setPalette(palette);
    }
    void TearDown() override { QApplication::setPalette(saved); }

    // Puts a button that nobody shows into its hot state, as the mouse coming over it would.
    static void MakeHot(TShineSpeedButton& button) { button.MouseEnter({}, 1, 1); }

    QPalette saved = QApplication::palette();
};

} // namespace

// A new button is 25 x 25, captionless and up; setters copy what they are given, ignore an
// empty font and keep the glyph 32-bit whatever it came as.
TEST_F(ShineSpeedButtonTest, NewButtonAndSetters)
{
    TShineSpeedButton button;
    EXPECT_EQ(button.size(), QSize(25, 25));
    EXPECT_TRUE(button.Caption().isEmpty());
    EXPECT_EQ(button.State(), 3);
    EXPECT_FALSE(button.ActiveButtonTimer().isActive());
    EXPECT_EQ(button.ActiveButtonTimer().interval(), 200);

    QImage indexed(4, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3), qRgb(4, 5, 6)});
    indexed.fill(1);
    button.SetGlyph(indexed);
    EXPECT_EQ(button.Glyph().format(), QImage::Format_RGB32);
    EXPECT_EQ(button.Glyph().pixel(0, 0), qRgb(4, 5, 6));
    button.SetGlyph(QImage());
    EXPECT_EQ(button.Glyph().size(), QSize(0, 0));

    TShineBtnColors colors;
    colors.SetColor(clRed);
    button.SetColors(&colors);
    colors.SetColor(clLime);
    EXPECT_EQ(button.Colors()->Color(), clRed);

    int changes = 0;
    colors.OnChange = [&](TShineBtnColors*) { ++changes; };
    colors.SetColor(clLime);
    colors.SetGradation(true);
    TShineBtnColors copy;
    colors.AssignTo(copy);
    copy.OnChange = [&](TShineBtnColors*) { ++changes; };
    copy.Assign(colors);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(copy.Gradation());

    button.SetFont(nullptr);
    EXPECT_EQ(button.Font()->Color(), clBtnText);
    TButtonFont font;
    font.SetColor(clPurple);
    button.SetActiveFont(&font);
    EXPECT_EQ(button.ActiveFont()->Color(), clPurple);
    EXPECT_NE(button.ActiveFont(), &font);
}

namespace {

struct RampCase {
    const char* name;
    QSize size;
    bool vertical;
    bool pressed;
    TColor from;
    TColor to;
    // Pixel position along the ramp and the colour expected there.
    std::vector<std::pair<int, QRgb>> expected;
};
PRINT_ROW_BY_NAME(RampCase, name)

std::vector<std::pair<int, QRgb>> GreySteps()
{
    std::vector<std::pair<int, QRgb>> steps;
    steps.reserve(256);
    for (int i = 0; i < 256; ++i)
        steps.push_back({i, qRgb(i, i, i)});
    return steps;
}

class ShineSpeedButtonRamp : public ShineSpeedButtonTest, public ::testing::WithParamInterface<RampCase> {};

} // namespace

// The gradient face: 256 steps, each channel from + i * (to - from) / 255 truncated toward
// zero, stretched over the button; pressed looks take PressedColors.
TEST_P(ShineSpeedButtonRamp, Steps)
{
    const RampCase& row = GetParam();
    TShineSpeedButton button;
    button.resize(row.size);
    button.SetUpFrame(false);
    button.SetDownFrame(false);
    TShineBtnColors& colors = row.pressed ? *button.PressedColors() : *button.Colors();
    colors.SetColor(row.from);
    colors.SetGradColor(row.to);
    colors.SetGradVertical(row.vertical);
    colors.SetGradation(true);
    if (row.pressed) {
        button.SetGroupIndex(1);
        button.SetDown(true);
    }

    const QImage image = Render(button);
    for (const auto& [at, colour] : row.expected) {
        const QPoint pixel = row.vertical ? QPoint(row.size.width() / 2, at) : QPoint(at, row.size.height() / 2);
        EXPECT_EQ(image.pixel(pixel), colour) << "at " << at;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShineSpeedButtonRamp,
    ::testing::Values(RampCase{"BlackToWhiteAcross", {256, 4}, false, false, clBlack, clWhite, GreySteps()},
                      RampCase{"BlackToWhiteDownPressed", {3, 256}, true, true, clBlack, clWhite, GreySteps()},
                      // Red falls 200 -> 0: step 1 stays 200 and step 254 is 1 (truncation, not floor).
                      RampCase{"FallingChannelTruncatesTowardZero",
                               {256, 2},
                               false,
                               false,
                               RGB(200, 0, 10),
                               RGB(0, 255, 10),
                               {{0, qRgb(200, 0, 10)},
                                {1, qRgb(200, 1, 10)},
                                {128, qRgb(100, 128, 10)},
                                {254, qRgb(1, 254, 10)},
                                {255, qRgb(0, 255, 10)}}},
                      // Stretched to twice its length, every step covers two pixels.
                      RampCase{"StretchedToTwiceItsLength",
                               {512, 3},
                               false,
                               false,
                               clBlack,
                               clWhite,
                               {{0, qRgb(0, 0, 0)},
                                {1, qRgb(0, 0, 0)},
                                {2, qRgb(1, 1, 1)},
                                {257, qRgb(128, 128, 128)},
                                {510, qRgb(255, 255, 255)},
                                {511, qRgb(255, 255, 255)}}}),
    [](const ::testing::TestParamInfo<RampCase>& info) { return std::string(info.param.name); });

namespace {

struct FrameCase {
    const char* name;
    TFrameType type;
    // 1 down, 2 hot, 3 up.
    int state;
    bool frameFlag;
    Art art;
};
PRINT_ROW_BY_NAME(FrameCase, name)

class ShineSpeedButtonFrame : public ShineSpeedButtonTest, public ::testing::WithParamInterface<FrameCase> {};

// Upper case for the raised set, lower case for the pressed one: Face, Highlight, Shadow, Dark shadow.
const Legend kFrameLegend = {
    {'F', 0xFF102030}, {'H', 0xFFF0F0F0}, {'S', 0xFF707070}, {'D', 0xFF000010},
    {'f', 0xFF304050}, {'h', 0xFFE0E0A0}, {'s', 0xFF606000}, {'d', 0xFF100000},
};

void SetColours(TShineBtnColors& colors, const char* letters)
{
    colors.SetColor(ColorOf(kFrameLegend.at(letters[0])));
    colors.SetHighlight(ColorOf(kFrameLegend.at(letters[1])));
    colors.SetShadow(ColorOf(kFrameLegend.at(letters[2])));
    colors.SetDarkShadow(ColorOf(kFrameLegend.at(letters[3])));
}

} // namespace

// Each frame on a 6 x 5 button, segment by segment: lines leave out their end point, and the
// enclosed frame's outline is the raised set's dark shadow in both looks.
TEST_P(ShineSpeedButtonFrame, Pixels)
{
    const FrameCase& row = GetParam();
    TShineSpeedButton button;
    button.resize(6, 5);
    SetColours(*button.Colors(), "FHSD");
    SetColours(*button.PressedColors(), "fhsd");
    button.SetFrameType(row.type);
    if (row.state == 1) {
        button.SetGroupIndex(1);
        button.SetDown(true);
        button.SetDownFrame(row.frameFlag);
    } else if (row.state == 2) {
        MakeHot(button);
        button.SetActiveFrame(row.frameFlag);
    } else {
        button.SetUpFrame(row.frameFlag);
    }
    ASSERT_EQ(button.State(), row.state);
    EXPECT_EQ(ToArt(Render(button), kFrameLegend), row.art);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShineSpeedButtonFrame,
    ::testing::Values(
        FrameCase{"FlatRaised", TFrameType::ftFlatFrame, 3, true, {"HHHHHF", "HFFFFS", "HFFFFS", "HFFFFS", "FSSSSS"}},
        FrameCase{"FlatPressed", TFrameType::ftFlatFrame, 1, true, {"sssssf", "sffffh", "sffffh", "sffffh", "fhhhhh"}},
        FrameCase{
            "NormalRaised", TFrameType::ftNormalFrame, 3, true, {"HHHHHF", "HFFFSD", "HFFFSD", "HSSSSD", "FDDDDD"}},
        FrameCase{
            "NormalPressed", TFrameType::ftNormalFrame, 1, true, {"dddddf", "dssssh", "dsfffh", "dsfffh", "fhhhhh"}},
        FrameCase{
            "EnclosedRaised", TFrameType::ftEnclosedFrame, 3, true, {"DDDDDD", "DHHHFD", "DHFFSD", "DFSSSD", "DDDDDD"}},
        FrameCase{"EnclosedPressed",
                  TFrameType::ftEnclosedFrame,
                  1,
                  true,
                  {"DDDDDD", "DsssfD", "DsffhD", "DfhhhD", "DDDDDD"}},
        FrameCase{"HotRaised", TFrameType::ftFlatFrame, 2, true, {"HHHHHF", "HFFFFS", "HFFFFS", "HFFFFS", "FSSSSS"}},
        FrameCase{"HotWithoutActiveFrame",
                  TFrameType::ftEnclosedFrame,
                  2,
                  false,
                  {"FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}},
        FrameCase{"UpWithoutUpFrame",
                  TFrameType::ftNormalFrame,
                  3,
                  false,
                  {"FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}},
        FrameCase{"DownWithoutDownFrame",
                  TFrameType::ftNormalFrame,
                  1,
                  false,
                  {"ffffff", "ffffff", "ffffff", "ffffff", "ffffff"}}),
    [](const ::testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

namespace {

struct GlyphCase {
    const char* name;
    bool disabled;
    TActiveImageType active;
    TDisabledImageType inactive;
    Art glyph;
    Art expected;
    char transparent;
    // Colours the effect makes, beyond the glyph's own.
    Legend made;
};
PRINT_ROW_BY_NAME(GlyphCase, name)

class ShineSpeedButtonGlyph : public ShineSpeedButtonTest, public ::testing::WithParamInterface<GlyphCase> {};

const Legend kGlyphLegend = {{'K', kKey},   {'A', kInkA},      {'B', kInkB},
                             {'S', kShine}, {'W', 0xFFFFFFFF}, {'N', 0xFF000000}};

// Two inks beside the key colour of the bottom-left corner.
const Art kInks = {"ABK", "KAB"};
const Art kBox = {"KKKK", "KAAK", "KKKK"};

Legend Made(QRgb a, QRgb b)
{
    return {{'a', a}, {'b', b}};
}

} // namespace

// Each effect on a tiny glyph: pixels of the key colour are left alone unless an outline
// takes them, and the transparent colour is the corner's colour after the change.
TEST_P(ShineSpeedButtonGlyph, StateGlyph)
{
    const GlyphCase& row = GetParam();
    Legend legend = kGlyphLegend;
    legend.insert(row.made.begin(), row.made.end());
    TShineSpeedButton button;
    button.SetGlyph(FromArt(row.glyph, legend));
    button.SetShineColor(ColorOf(kShine));
    button.Colors()->SetColor(ColorOf(kFace));
    button.SetActiveImage(row.active);
    button.SetDisabledImage(row.inactive);
    if (row.disabled)
        button.setEnabled(false);
    else
        MakeHot(button);

    const TStateGlyph glyph = button.CreateStateGlyph();
    EXPECT_EQ(ToArt(glyph.Image, legend), row.expected);
    EXPECT_EQ(ColorToPixel(glyph.TransparentColor) | 0xFF000000u, legend.at(row.transparent));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShineSpeedButtonGlyph,
    ::testing::Values(
        GlyphCase{"Normal", false, TActiveImageType::aiNormal, {}, kInks, kInks, 'K', {}},
        GlyphCase{"Xor",
                  false,
                  TActiveImageType::aiXorLight,
                  {},
                  kInks,
                  {"abK", "Kab"},
                  'K',
                  Made(qRgb(122, 200, 207), qRgb(225, 249, 7))},
        GlyphCase{"Half",
                  false,
                  TActiveImageType::aiHalfLight,
                  {},
                  kInks,
                  {"abK", "Kab"},
                  'K',
                  Made(qRgb(65, 150, 103), qRgb(142, 126, 3))},
        GlyphCase{"Quarter",
                  false,
                  TActiveImageType::aiQuaterLight,
                  {},
                  kInks,
                  {"abK", "Kab"},
                  'K',
                  Made(qRgb(47, 200, 55), qRgb(86, 188, 5))},
        GlyphCase{"AddSaturates",
                  false,
                  TActiveImageType::aiAddLight,
                  {},
                  kInks,
                  {"abK", "Kab"},
                  'K',
                  Made(qRgb(130, 255, 207), qRgb(255, 253, 7))},
        GlyphCase{"FrameOutline", false, TActiveImageType::aiFrameLight, {}, kBox, {"KSSK", "SAAS", "KSSK"}, 'K', {}},
        GlyphCase{"FrameOutlineCoversBottomLeft",
                  false,
                  TActiveImageType::aiFrameLight,
                  {},
                  {"KKK", "AKK", "KKK"},
                  {"SKK", "ASK", "SKK"},
                  'S',
                  {}},
        GlyphCase{"WideOutlineTakesCorners",
                  false,
                  TActiveImageType::aiFrameLight2,
                  {},
                  kBox,
                  {"SSSS", "SAAS", "SSSS"},
                  'S',
                  {}},
        GlyphCase{"ScreenEvenByEven", false, TActiveImageType::aiMaskLight, {}, {"AA", "KA"}, {"AS", "KA"}, 'K', {}},
        GlyphCase{"ScreenOddByOdd",
                  false,
                  TActiveImageType::aiMaskLight,
                  {},
                  {"AAA", "AAA", "KAA"},
                  {"ASA", "SAS", "KSA"},
                  'K',
                  {}},
        GlyphCase{"ScreenEvenWideOddHigh",
                  false,
                  TActiveImageType::aiMaskLight,
                  {},
                  {"AA", "AA", "KA"},
                  {"AS", "AS", "KS"},
                  'K',
                  {}},
        GlyphCase{
            "ScreenOddWideEvenHigh", false, TActiveImageType::aiMaskLight, {}, {"AAA", "KAA"}, {"ASA", "KSA"}, 'K', {}},
        GlyphCase{"DisabledEdgeMask",
                  true,
                  {},
                  TDisabledImageType::diDefault,
                  {"KAK", "KAK", "KKK"},
                  {"WWN", "WWN", "NNN"},
                  'N',
                  {}},
        GlyphCase{"DisabledGrayscale",
                  true,
                  {},
                  TDisabledImageType::diGrayscale,
                  kInks,
                  {"abK", "Kab"},
                  'K',
                  Made(qRgb(116, 116, 116), qRgb(86, 86, 86))},
        GlyphCase{"DisabledHalfFace",
                  true,
                  {},
                  TDisabledImageType::diAlphaHalfTrans,
                  kInks,
                  {"abK", "Kab"},
                  'K',
                  Made(qRgb(55, 35, 115), qRgb(132, 11, 15))},
        GlyphCase{"DisabledQuarterFace",
                  true,
                  {},
                  TDisabledImageType::diAlphaQuaterTrans,
                  kInks,
                  {"abK", "Kab"},
                  'K',
                  Made(qRgb(32, 27, 72), qRgb(71, 15, 22))},
        GlyphCase{"DisabledScreenTurnsTransparent",
                  true,
                  {},
                  TDisabledImageType::diMaskTrans,
                  {"AAA", "AAA", "KAA"},
                  {"AKA", "KAK", "KKA"},
                  'K',
                  {}}),
    [](const ::testing::TestParamInfo<GlyphCase>& info) { return std::string(info.param.name); });

// Outlines of glyphs with ink on every edge, holes of the key colour and one-pixel rows and
// columns, against the rule itself: a key pixel with a left, right, upper or lower neighbour of
// another colour is outline; the wide outline adds those neighbours of the key colour.
TEST_F(ShineSpeedButtonTest, OutlinesFollowTheRuleOnIrregularGlyphs)
{
    const Legend legend = {{'K', kKey}, {'A', kInkA}, {'B', kInkB}};
    const std::vector<Art> glyphs = {
        {"AKKBKKKA", "KKAAKBKK", "BKAKAKKA", "KKKKKKBK", "AAKKKAKK", "KKBKKKKA", "KAKKBKKK"},
        {"KAK"},
        {"K", "A", "K", "K"},
        {"K"},
        {"AAAA", "AKKA", "AKKA", "KAAA"},
    };
    for (const Art& art : glyphs)
        for (const bool wide : {false, true}) {
            const QImage source = FromArt(art, legend);
            const QRgb key = source.pixel(0, source.height() - 1);
            QImage expected = source;
            const auto keyAt = [&](int x, int y) { return source.rect().contains(x, y) && source.pixel(x, y) == key; };
            const auto otherAt = [&](int x, int y) {
                return source.rect().contains(x, y) && source.pixel(x, y) != key;
            };
            const std::array<QPoint, 4> sides = {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)};
            for (int y = 0; y < source.height(); ++y)
                for (int x = 0; x < source.width(); ++x) {
                    if (!keyAt(x, y) || std::none_of(sides.begin(), sides.end(),
                                                     [&](QPoint d) { return otherAt(x + d.x(), y + d.y()); }))
                        continue;
                    expected.setPixel(x, y, kShine);
                    for (const QPoint d : sides)
                        if (wide && keyAt(x + d.x(), y + d.y()))
                            expected.setPixel(x + d.x(), y + d.y(), kShine);
                }
            TShineSpeedButton button;
            button.SetGlyph(source);
            button.SetShineColor(ColorOf(kShine));
            button.SetActiveImage(wide ? TActiveImageType::aiFrameLight2 : TActiveImageType::aiFrameLight);
            MakeHot(button);
            Legend shown = legend;
            shown.insert({'S', kShine});
            EXPECT_EQ(ToArt(button.CreateStateGlyph().Image, shown), ToArt(expected, shown))
                << art[0] << (wide ? " wide" : "");
        }
}

// The up look shows the glyph unchanged whatever the hot effect.
TEST_F(ShineSpeedButtonTest, UpGlyphUnchanged)
{
    TShineSpeedButton button;
    button.SetActiveImage(TActiveImageType::aiXorLight);
    button.SetGlyph(FromArt(kInks, kGlyphLegend));
    EXPECT_EQ(ToArt(button.CreateStateGlyph().Image, kGlyphLegend), kInks);
}

// Drawn on the face: an outline over the corner makes the shine colour the see-through one,
// so the background colour shows instead; the disabled glyph is embossed through its mask,
// light one pixel down-right, dark on top.
TEST_F(ShineSpeedButtonTest, GlyphOnTheFace)
{
    Legend legend = kGlyphLegend;
    legend.insert({{'F', kFace}, {'h', 0xFFFAFAFA}, {'s', 0xFF5A5A5A}});
    TShineSpeedButton button;
    button.Colors()->SetColor(ColorOf(kFace));
    button.SetUpFrame(false);
    button.SetActiveFrame(false);
    button.SetShineColor(ColorOf(kShine));
    button.SetGlyph(FromArt({"KKK", "AKK", "KKK"}, legend));
    MakeHot(button);
    // A 3 x 3 glyph sits at (11, 11) of the 25 x 25 button.
    EXPECT_EQ(ToArt(Render(button), legend, QRect(11, 11, 3, 3)), Art({"FKK", "AFK", "FKK"}));

    button.SetGlyph(FromArt({"KAK", "KAK", "KKK"}, legend));
    button.setEnabled(false);
    EXPECT_EQ(ToArt(Render(button), legend, QRect(10, 10, 6, 6)),
              Art({"FFFFFF", "FssFFF", "FsshFF", "FFhhFF", "FFFFFF", "FFFFFF"}));
}

namespace {

struct LayoutCase {
    const char* name;
    TButtonLayout layout;
    QSize size;
    bool glyph;
    bool caption;
    int margin;
    // Expected glyph point and text corner, given the caption's measured width and height.
    std::function<std::pair<QPoint, QPoint>(int tw, int th)> expected;
};
PRINT_ROW_BY_NAME(LayoutCase, name)

class ShineSpeedButtonLayout : public ShineSpeedButtonTest, public ::testing::WithParamInterface<LayoutCase> {};

constexpr int kGlyphSide = 16;

} // namespace

// Glyph and caption placed by the four layouts with Spacing 4, centred (Margin -1) or kept
// Margin from the named edge; every halving truncates toward zero.
TEST_P(ShineSpeedButtonLayout, Positions)
{
    const LayoutCase& row = GetParam();
    TShineSpeedButton button;
    button.resize(row.size);
    button.SetLayout(row.layout);
    button.SetMargin(row.margin);
    if (row.glyph) {
        QImage glyph(kGlyphSide, kGlyphSide, QImage::Format_RGB32);
        glyph.fill(Qt::green);
        button.SetGlyph(glyph);
    }
    if (row.caption)
        button.SetCaption(QStringLiteral("OK\nCancel"));

    TRect measured{0, 0, 0, 0};
    CalcTextRect(button.Font()->Font(), button.Caption(), measured, DT_CALCRECT);
    QPoint glyphAt;
    TRect text;
    button.CalcDrawPosition(button.Font()->Font(), glyphAt, text);
    const auto [glyph, corner] = row.expected(measured.Width(), measured.Height());
    if (row.glyph) {
        EXPECT_EQ(glyphAt, glyph);
    }
    if (row.caption) {
        EXPECT_EQ(QPoint(text.Left, text.Top), corner);
        EXPECT_EQ(QSize(text.Width(), text.Height()), QSize(measured.Width(), measured.Height()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShineSpeedButtonLayout,
    ::testing::Values(
        LayoutCase{"LeftGlyphOnly",
                   TButtonLayout::blGlyphLeft,
                   {75, 25},
                   true,
                   false,
                   -1,
                   [](int, int) {
                       return std::pair{QPoint(29, 4), QPoint()};
                   }},
        LayoutCase{"LeftCentred",
                   TButtonLayout::blGlyphLeft,
                   {90, 60},
                   true,
                   true,
                   -1,
                   [](int tw, int th) {
                       const int hc = std::max(16, th), ox = (90 - 20 - tw) / 2, oy = (60 - hc) / 2;
                       return std::pair{QPoint(ox, oy + (hc - 16) / 2), QPoint(ox + 20, oy + (hc - th) / 2)};
                   }},
        LayoutCase{"LeftMargin",
                   TButtonLayout::blGlyphLeft,
                   {90, 60},
                   true,
                   true,
                   3,
                   [](int, int th) {
                       const int hc = std::max(16, th), oy = (60 - hc) / 2;
                       return std::pair{QPoint(3, oy + (hc - 16) / 2), QPoint(23, oy + (hc - th) / 2)};
                   }},
        LayoutCase{"RightCentred",
                   TButtonLayout::blGlyphRight,
                   {90, 60},
                   true,
                   true,
                   -1,
                   [](int tw, int th) {
                       const int hc = std::max(16, th), ox = (90 - 20 - tw) / 2, oy = (60 - hc) / 2;
                       return std::pair{QPoint(ox + tw + 4, oy + (hc - 16) / 2), QPoint(ox, oy + (hc - th) / 2)};
                   }},
        LayoutCase{"RightMargin",
                   TButtonLayout::blGlyphRight,
                   {90, 60},
                   true,
                   true,
                   2,
                   [](int tw, int th) {
                       const int hc = std::max(16, th), ox = 90 - 20 - tw - 2, oy = (60 - hc) / 2;
                       return std::pair{QPoint(88 - 16, oy + (hc - 16) / 2), QPoint(ox, oy + (hc - th) / 2)};
                   }},
        LayoutCase{"TopCentred",
                   TButtonLayout::blGlyphTop,
                   {90, 60},
                   true,
                   true,
                   -1,
                   [](int tw, int th) {
                       const int wc = std::max(16, tw), ox = (90 - wc) / 2, oy = (60 - 20 - th) / 2;
                       return std::pair{QPoint(ox + (wc - 16) / 2, oy), QPoint(ox + (wc - tw) / 2, oy + 20)};
                   }},
        // Without a glyph the gap still comes before the caption.
        LayoutCase{"TopCaptionOnlyKeepsSpacing",
                   TButtonLayout::blGlyphTop,
                   {90, 60},
                   false,
                   true,
                   -1,
                   [](int tw, int th) {
                       return std::pair{QPoint(), QPoint((90 - tw) / 2, (60 - 4 - th) / 2 + 4)};
                   }},
        LayoutCase{"TopMargin",
                   TButtonLayout::blGlyphTop,
                   {90, 60},
                   true,
                   true,
                   5,
                   [](int tw, int) {
                       const int wc = std::max(16, tw), ox = (90 - wc) / 2;
                       return std::pair{QPoint(ox + (wc - 16) / 2, 5), QPoint(ox + (wc - tw) / 2, 25)};
                   }},
        LayoutCase{"BottomCentred",
                   TButtonLayout::blGlyphBottom,
                   {90, 60},
                   true,
                   true,
                   -1,
                   [](int tw, int th) {
                       const int wc = std::max(16, tw), ox = (90 - wc) / 2, oy = (60 - 20 - th) / 2;
                       return std::pair{QPoint(ox + (wc - 16) / 2, oy + th + 4), QPoint(ox + (wc - tw) / 2, oy)};
                   }},
        LayoutCase{"BottomCaptionOnlyNoSpacing",
                   TButtonLayout::blGlyphBottom,
                   {90, 60},
                   false,
                   true,
                   -1,
                   [](int tw, int th) {
                       return std::pair{QPoint(), QPoint((90 - tw) / 2, (60 - th) / 2)};
                   }},
        LayoutCase{"BottomMargin",
                   TButtonLayout::blGlyphBottom,
                   {90, 60},
                   true,
                   true,
                   1,
                   [](int tw, int th) {
                       const int wc = std::max(16, tw), ox = (90 - wc) / 2, oy = 60 - 20 - th - 1;
                       return std::pair{QPoint(ox + (wc - 16) / 2, 43), QPoint(ox + (wc - tw) / 2, oy)};
                   }},
        // Content larger than the button moves by half the excess, truncated toward zero: -3, not -4.
        LayoutCase{"GlyphLargerThanButton",
                   TButtonLayout::blGlyphLeft,
                   {9, 9},
                   true,
                   false,
                   -1,
                   [](int, int) {
                       return std::pair{QPoint(-3, -3), QPoint()};
                   }}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

// Pressed looks move glyph and caption one pixel right and down.
TEST_F(ShineSpeedButtonTest, PressedLooksShiftContent)
{
    TShineSpeedButton button;
    button.resize(75, 25);
    button.PressedColors()->SetColor(button.Colors()->Color());
    button.SetUpFrame(false);
    button.SetDownFrame(false);
    QImage glyph(5, 5, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    glyph.setPixel(2, 2, kInkB);
    button.SetGlyph(glyph);
    button.SetCaption(QStringLiteral("Go"));
    button.Font()->SetColor(ColorOf(kInkA));

    const QImage up = Render(button);
    button.SetGroupIndex(1);
    button.SetDown(true);
    ASSERT_EQ(button.State(), 1);
    const QImage down = Render(button);
    ASSERT_FALSE(PixelsOf(up, kInkA).empty());
    EXPECT_EQ(PixelsOf(down, kInkA), PixelsOf(up, kInkA, {1, 1}));
    EXPECT_EQ(PixelsOf(down, kInkB), PixelsOf(up, kInkB, {1, 1}));
}

// The caption's shadow goes one pixel down-right, its highlight one up-left, the text on top;
// disabled, it is drawn light down-right and dark on top.
TEST_F(ShineSpeedButtonTest, CaptionCopies)
{
    constexpr QRgb kText = 0xFF0000FF, kShadowInk = 0xFF00FF00, kLight = 0xFFFFFF00;
    TShineSpeedButton button;
    button.resize(60, 30);
    button.SetCaption(QStringLiteral("Hi"));
    button.Font()->SetColor(ColorOf(kText));
    button.SetDisabledHighlight(ColorOf(kLight));
    button.SetDisabledShadow(ColorOf(kShadowInk));

    const QImage plain = Render(button);
    const PixelSet text = PixelsOf(plain, kText);
    ASSERT_FALSE(text.empty());
    const PixelSet down = PixelsOf(plain, kText, {1, 1});
    const PixelSet up = PixelsOf(plain, kText, {-1, -1});

    button.SetFontShadow(ColorOf(kShadowInk));
    QImage image = Render(button);
    EXPECT_EQ(PixelsOf(image, kText), text);
    EXPECT_EQ(PixelsOf(image, kShadowInk), Minus(down, text));

    button.SetFontHighlight(ColorOf(kLight));
    image = Render(button);
    EXPECT_EQ(PixelsOf(image, kLight), Minus(up, text));
    EXPECT_EQ(PixelsOf(image, kShadowInk), Minus(Minus(down, text), up));

    button.SetFontShadow(clNone);
    EXPECT_TRUE(PixelsOf(Render(button), kShadowInk).empty());

    button.setEnabled(false);
    image = Render(button);
    EXPECT_TRUE(PixelsOf(image, kText).empty());
    EXPECT_EQ(PixelsOf(image, kShadowInk), text);
    EXPECT_EQ(PixelsOf(image, kLight), Minus(down, text));
}

namespace {

// Counts the group notifications its parent's children hear.
class GroupListener : public QWidget {
public:
    using QWidget::QWidget;
    int heard = 0;

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() == TButtonPressedEvent::kType)
            ++heard;
    }
};

// A shown window whose buttons are driven through the window system's input path; the
// cursor position moves with every simulated move, as a real pointer's would.
class ShineSpeedButtonInput : public ShineSpeedButtonTest {
protected:
    void SetUp() override
    {
        ShineSpeedButtonTest::SetUp();
        host.resize(320, 120);
        button = AddButton(10, 10);
        host.show();
        // The window hears of the pointer once, away from every button.
        MoveTo(kAway);
        MoveTo(kAway + QPoint(1, 0));
    }

    TShineSpeedButton* AddButton(int x, int y)
    {
        auto* added = new TShineSpeedButton(&host);
        added->setGeometry(x, y, 75, 25);
        added->OnClick = [this](QObject* sender) { events.push_back(Name(sender) + " click"); };
        added->OnMouseUp = [this](QObject* sender, TMouseButton, TShiftState, int, int) {
            events.push_back(Name(sender) + " up");
        };
        added->show();
        return added;
    }

    std::string Name(QObject* sender) const { return sender == button ? "button" : "other"; }

    void MoveTo(QPoint at)
    {
        QCursor::setPos(host.mapToGlobal(at));
        QTest::mouseMove(host.windowHandle(), at);
    }
    void Press(QPoint at)
    {
        MoveTo(at);
        QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, at);
    }
    void Release(QPoint at)
    {
        MoveTo(at);
        QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, at);
    }
    void Click(QWidget* target)
    {
        Press(Centre(target));
        Release(Centre(target));
    }
    QPoint Centre(QWidget* target) const { return target->geometry().center(); }

    static constexpr QPoint kAway{300, 110};

    QWidget host;
    TShineSpeedButton* button = nullptr;
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

} // namespace

// Over, pressed, dragged off and back, released: 3 -> 2 -> 0 -> 3 -> 0, then the release
// clicks after OnMouseUp and the tracking update leaves it hot. A press released outside
// clicks nothing and leaves it up.
TEST_F(ShineSpeedButtonInput, StateTableThroughTheMouse)
{
    MoveTo(Centre(button));
    EXPECT_EQ(button->State(), 2);
    EXPECT_TRUE(button->MouseOver() && button->ActiveButtonTimer().isActive());

    QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(button->State(), 0);
    EXPECT_TRUE(button->Holding());
    MoveTo(kAway);
    EXPECT_EQ(button->State(), 3);
    MoveTo(Centre(button));
    EXPECT_EQ(button->State(), 0);
    Release(Centre(button));
    EXPECT_EQ(events, Events({"button up", "button click"}));
    EXPECT_EQ(button->State(), 2);
    EXPECT_FALSE(button->Holding() || button->Down());

    MoveTo(kAway);
    EXPECT_EQ(button->State(), 3);
    EXPECT_FALSE(button->ActiveButtonTimer().isActive());

    events.clear();
    Press(Centre(button));
    Release(kAway);
    EXPECT_EQ(events, Events({"button up"}));
    EXPECT_EQ(button->State(), 3);
    EXPECT_FALSE(button->MouseOver());
}

// Enter and leave reach the owner even while the button is disabled; its state stays 4.
TEST_F(ShineSpeedButtonInput, DisabledHearsEnterAndLeave)
{
    button->OnMouseEnter = [&](QObject*, TShiftState, int, int) { events.push_back("enter"); };
    button->OnMouseLeave = [&](QObject*, TShiftState, int, int) { events.push_back("leave"); };
    button->setEnabled(false);
    MoveTo(Centre(button));
    EXPECT_EQ(button->State(), 4);
    MoveTo(kAway);
    EXPECT_EQ(events, Events({"enter", "leave"}));
    EXPECT_EQ(button->State(), 4);
}

// A leave the window system never reported is caught by the next hover tick.
TEST_F(ShineSpeedButtonInput, HoverTimerCatchesMissedLeave)
{
    MoveTo(Centre(button));
    button->ActiveButtonTimerOnTimer();
    EXPECT_EQ(button->State(), 2);

    QCursor::setPos(host.mapToGlobal(kAway));
    EXPECT_EQ(button->State(), 2);
    button->ActiveButtonTimerOnTimer();
    EXPECT_EQ(button->State(), 3);
    EXPECT_FALSE(button->MouseOver() || button->ActiveButtonTimer().isActive());
}

// While the mouse is held down elsewhere, the tracking update does not turn the button hot;
// after the release it does.
TEST_F(ShineSpeedButtonInput, NoHotWhileTheMouseIsHeldElsewhere)
{
    QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, kAway);
    MoveTo(Centre(button));
    button->UpdateTracking();
    EXPECT_EQ(button->State(), 3);
    EXPECT_FALSE(button->MouseOver());
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, Centre(button));
    button->UpdateTracking();
    EXPECT_EQ(button->State(), 2);
}

// A shine button, a colour button and a second shine button of one group: each that goes
// down releases the one that was down, whichever kind; a down button clicked again stays
// down, until AllowAllUp, which every member takes over from the one that set it.
TEST_F(ShineSpeedButtonInput, GroupAcrossKinds)
{
    auto* colour = new TdxfColorButton(&host);
    colour->setGeometry(100, 10, 80, 40);
    colour->show();
    TShineSpeedButton* other = AddButton(200, 10);
    for (TShineSpeedButton* member : {button, other})
        member->SetGroupIndex(1);
    colour->SetGroupIndex(1);

    Click(button);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(button->State(), 0);
    Click(button);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(events, Events({"button up", "button click", "button up", "button click"}));

    Click(colour);
    EXPECT_TRUE(colour->Down());
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(button->State(), 3);

    Click(other);
    EXPECT_TRUE(other->Down());
    EXPECT_FALSE(colour->Down() || colour->DrawDown());

    button->SetAllowAllUp(true);
    EXPECT_TRUE(other->AllowAllUp() && colour->AllowAllUp());
    EXPECT_TRUE(other->Down()) << "a member going up releases nobody";
    Click(other);
    EXPECT_FALSE(other->Down());
    EXPECT_EQ(other->State(), 2);

    // A colour button going down hands its AllowAllUp to the shine buttons, and stays down
    // when a shine member only changes its AllowAllUp.
    colour->SetAllowAllUp(false);
    colour->SetDown(true);
    EXPECT_FALSE(button->AllowAllUp() || other->AllowAllUp());
    button->SetAllowAllUp(true);
    EXPECT_TRUE(colour->AllowAllUp());
    EXPECT_TRUE(colour->Down() && colour->DrawDown());
}

// Disabling a down button releases it without a word to the group; an ungrouped button
// never latches, and a double click is reported only by a button that is down.
TEST_F(ShineSpeedButtonInput, DownRules)
{
    auto* listener = new GroupListener(&host);
    int doubles = 0;
    button->OnDblClick = [&](QObject*) { ++doubles; };

    button->SetDown(true);
    EXPECT_FALSE(button->Down());
    QTest::mouseDClick(host.windowHandle(), Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(doubles, 0);
    EXPECT_FALSE(button->Down());

    button->SetGroupIndex(3);
    button->SetDown(true);
    QTest::mouseDClick(host.windowHandle(), Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(doubles, 1);

    // With AllowAllUp a release through the down rules would tell the group.
    button->SetAllowAllUp(true);
    const int heard = listener->heard;
    button->setEnabled(false);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(button->State(), 4);
    EXPECT_EQ(listener->heard, heard);
    button->setEnabled(true);
    EXPECT_EQ(button->State(), 3);
}

namespace {

class ShineSpeedButtonHook : public ShineSpeedButtonInput, public ::testing::WithParamInterface<bool> {};

} // namespace

// With ClickDownHook the click handler runs while the pressed look shows; the earlier look
// returns after it.
TEST_P(ShineSpeedButtonHook, LookDuringClick)
{
    const bool hook = GetParam();
    button->SetClickDownHook(hook);
    button->PressedColors()->SetColor(ColorOf(kInkA));
    int stateInHandler = -1;
    QRgb faceInHandler = 0;
    button->OnClick = [&](QObject*) {
        stateInHandler = button->State();
        faceInHandler = Render(*button).pixel(30, 12);
    };
    Click(button);
    EXPECT_EQ(stateInHandler, hook ? 0 : 3);
    EXPECT_EQ(faceInHandler == kInkA, hook);
    EXPECT_EQ(button->State(), 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShineSpeedButtonHook, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Hooked" : "Plain");
                         });

// The caption's accelerator clicks the button; with AccelCharDown it toggles Down through
// the down rules first. A disabled button ignores it.
TEST_F(ShineSpeedButtonInput, Accelerator)
{
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    button->SetCaption(QStringLiteral("&Go"));
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);

    QTest::keyClick(&host, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(events, Events({"button click"}));
    EXPECT_FALSE(button->Down());

    button->SetAccelCharDown(true);
    QTest::keyClick(&host, Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(button->Down());
    QTest::keyClick(&host, Qt::Key_G, Qt::AltModifier);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(events.size(), 3u);

    EXPECT_FALSE(button->CMDialogChar(QLatin1Char('x')));
    button->setEnabled(false);
    EXPECT_FALSE(button->CMDialogChar(QLatin1Char('g')));
    EXPECT_EQ(events.size(), 3u);
}
