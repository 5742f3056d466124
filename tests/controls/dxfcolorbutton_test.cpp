#include "controls/buttonpressed.h"
#include "controls/dxfcolorbutton.h"
#include "desktop/fonts.h"
#include "game/controlsetup.h"

#include "support/printrow.h"
#include "support/render.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr QRgb kBeneath = 0xFF00A0A0;
constexpr QRgb kHighlight = 0xFFFA00FA;
constexpr QRgb kShadow = 0xFF00FA00;

QRgb Grey(int level)
{
    return qRgb(level, level, level);
}

QRect Bounds(const PixelSet& pixels)
{
    QRect bounds;
    for (const auto& [x, y] : pixels)
        bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Known button highlight, shadow and face colours, so the embossed caption and system
// colours can be told apart.
class TdxfColorButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPalette palette = saved;
        palette.setColor(QPalette::Light, QColor::fromRgb(kHighlight));
        palette.setColor(QPalette::Dark, QColor::fromRgb(kShadow));
        palette.setColor(QPalette::Button, QColor(200, 100, 50));
        QApplication::setPalette(palette);
    }
    void TearDown() override { QApplication::setPalette(saved); }

    QPalette saved = QApplication::palette();
};

} // namespace

// The game's button: the sphere grades from black to grey 213 at (15, 6); the pressed face
// keeps the outer ring and sets a dish from (7, 3, 70, 30) to grey 215 at (58, 25).
TEST_F(TdxfColorButtonTest, GameButtonFaces)
{
    TdxfColorButton button;
    SetUpShotButton(button);
    const QImage& up = button.UpBmp();
    const QImage& down = button.DownBmp();
    ASSERT_EQ(up.size(), QSize(77, 33));

    EXPECT_EQ(up.pixel(0, 0), Grey(0));
    EXPECT_EQ(up.pixel(75, 16), Grey(0));  // only the first ellipse reaches here
    EXPECT_EQ(up.pixel(74, 16), Grey(5));  // the second, (0, 0, 75, 32)
    EXPECT_EQ(up.pixel(14, 5), Grey(208)); // the one before last, (14, 5, 16, 6)
    EXPECT_EQ(PixelsOf(up, Grey(213)), PixelSet({{15, 6}}));

    EXPECT_EQ(down.pixel(7, 16), Grey(0)); // the dish's rim
    EXPECT_NE(up.pixel(7, 16), Grey(0));
    EXPECT_EQ(down.pixel(39, 3), Grey(6)); // the dish's second, (8, 3, 70, 30)
    EXPECT_EQ(down.pixel(2, 16), up.pixel(2, 16));
    EXPECT_EQ(PixelsOf(down, Grey(215)), PixelSet({{58, 25}}));
}

// The default button (100 x 40, white): rim 153, highlight 238 at (20, 8), bare face with
// no caption. Faces follow size and colour, even before the widget is shown.
TEST_F(TdxfColorButtonTest, DefaultFaceFollowsSizeAndColour)
{
    TdxfColorButton button;
    EXPECT_EQ(button.size(), QSize(100, 40));
    EXPECT_EQ(button.UpBmp().pixel(0, 0), Grey(153));
    EXPECT_EQ(PixelsOf(button.UpBmp(), Grey(238)), PixelSet({{20, 8}}));
    EXPECT_EQ(Render(button, kBeneath), button.UpBmp());

    button.resize(77, 33);
    EXPECT_EQ(Render(button, kBeneath).pixel(15, 6), Grey(238)); // step 41 of 49 from 153 to white
    button.SetColor(RGB(255, 0, 100));
    EXPECT_EQ(button.UpBmp().pixel(0, 0), qRgb(153, 0, 60));
    button.SetColor(clBtnFace); // resolved through the palette, then darkened
    EXPECT_EQ(button.UpBmp().pixel(0, 0), qRgb(120, 60, 30));
}

// Faces with no radius are plain rim colour instead of a division by zero; small ones
// still end their sphere in its highlight at (w/5, h/5).
TEST_F(TdxfColorButtonTest, TinyFaces)
{
    TdxfColorButton button;
    button.SetColor(clBlack);
    for (const QSize size :
         {QSize(0, 0), QSize(1, 0), QSize(1, 1), QSize(2, 1), QSize(1, 9), QSize(5, 5), QSize(9, 7)}) {
        for (const bool down : {false, true}) {
            QImage face(size, QImage::Format_RGB32);
            button.PaintToBmp(face, down);
            if (size.width() * size.height() == 1) {
                EXPECT_EQ(face.pixel(0, 0), Grey(0));
            } else if (!face.isNull() && !down) {
                const QRgb highlight = face.pixel(size.width() / 5, size.height() / 5);
                for (int y = 0; y < face.height(); ++y)
                    for (int x = 0; x < face.width(); ++x)
                        EXPECT_LE(qRed(face.pixel(x, y)), qRed(highlight));
            }
        }
    }
}

// Outside the ellipse the button neither shows nor takes the mouse.
TEST_F(TdxfColorButtonTest, EllipticShape)
{
    QWidget host;
    host.resize(300, 260);
    host.setStyleSheet(QStringLiteral("background: #00a0a0"));
    auto* button = new TdxfColorButton(&host);
    SetUpShotButton(*button);
    int downs = 0;
    button->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    host.show();

    const QImage shot = host.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(118, 184), kBeneath);
    EXPECT_EQ(shot.pixel(118 + 76, 184 + 32), kBeneath);
    EXPECT_EQ(shot.pixel(118 + 15, 184 + 6), Grey(213));

    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, QPoint(119, 185));
    EXPECT_EQ(downs, 0);
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, QPoint(118 + 38, 184 + 16));
    EXPECT_EQ(downs, 1);
}

// The caption is centred in the font's colour and moves one pixel with the pressed face;
// disabled, each line is drawn in the highlight one pixel down-right, then in the shadow.
TEST_F(TdxfColorButtonTest, CaptionPressedAndEmbossed)
{
    TdxfColorButton button;
    SetUpShotButton(button);
    const QFontMetrics metrics(button.font());
    const int textWidth = metrics.horizontalAdvance(QStringLiteral("SHOT!!"));
    const PixelSet text = PixelsOf(Render(button, kBeneath), Grey(255));
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(
        QRect((77 - textWidth) / 2, (33 - metrics.height()) / 2, textWidth, metrics.height()).contains(Bounds(text)));

    button.SetGroupIndex(1);
    button.SetDown(true);
    EXPECT_EQ(PixelsOf(Render(button, kBeneath), Grey(255), {-1, -1}), text);
    button.SetDown(false);

    button.setEnabled(false);
    const QImage disabled = Render(button, kBeneath);
    EXPECT_TRUE(PixelsOf(disabled, Grey(255)).empty());
    EXPECT_EQ(PixelsOf(disabled, kShadow), text);
    PixelSet expectedHighlight;
    for (const auto& [x, y] : text)
        if (!text.count({x + 1, y + 1}))
            expectedHighlight.insert({x + 1, y + 1});
    EXPECT_EQ(PixelsOf(disabled, kHighlight), expectedHighlight);
}

class TdxfColorButtonLayoutTest : public TdxfColorButtonTest, public ::testing::WithParamInterface<TdxfButtonLayout> {};

// A 12 x 10 glyph, its bottom-left colour cut out, and two lines, placed as the layout says.
TEST_P(TdxfColorButtonLayoutTest, GlyphAndLinesPlaced)
{
    constexpr QRgb kGlyphInk = 0xFF0000FF;
    constexpr QRgb kGlyphKey = 0xFF00FF00;
    QImage glyph(12, 10, QImage::Format_RGB32);
    glyph.fill(kGlyphKey);
    QPainter(&glyph).fillRect(1, 1, 10, 8, QColor::fromRgb(kGlyphInk));
    TdxfColorButton button;
    button.resize(120, 80);
    button.setFont(MakeFont(kPGothic, 12));
    button.SetFontColor(clRed);
    button.SetCaption({QStringLiteral("WWWWWW"), QStringLiteral("ii")});
    button.SetGlyph(glyph);
    button.SetLayout(GetParam());

    const QFontMetrics metrics(button.font());
    const int lh = metrics.height(), th = 2 * lh;
    const int tw = metrics.horizontalAdvance(QStringLiteral("WWWWWW"));
    const int nw = metrics.horizontalAdvance(QStringLiteral("ii"));
    // Glyph and text block corners, and where the narrow line starts within the block.
    QPoint g, t;
    int indent = (tw - nw) / 2;
    switch (GetParam()) {
    case TdxfButtonLayout::dxfGlyphLeft:
        g = {(120 - 12 - 4 - tw) / 2, 35}, t = {g.x() + 16, (80 - th) / 2}, indent = 0;
        break;
    case TdxfButtonLayout::dxfGlyphRight:
        t = {(120 - 12 - 4 - tw) / 2, (80 - th) / 2}, g = {t.x() + tw + 4, 35}, indent = tw - nw;
        break;
    case TdxfButtonLayout::dxfGlyphTop: g = {54, (80 - 10 - th - 4) / 2}, t = {(120 - tw) / 2, g.y() + 14}; break;
    case TdxfButtonLayout::dxfGlyphBottom:
        t = {(120 - tw) / 2, (80 - 10 - th - 4) / 2}, g = {54, t.y() + th + 4};
        break;
    }

    const QImage image = Render(button, kBeneath);
    EXPECT_EQ(Bounds(PixelsOf(image, kGlyphInk)), QRect(g.x() + 1, g.y() + 1, 10, 8));
    EXPECT_TRUE(PixelsOf(image, kGlyphKey).empty());
    PixelSet wide, narrow;
    for (const auto& pixel : PixelsOf(image, 0xFFFF0000))
        (pixel.second < t.y() + lh ? wide : narrow).insert(pixel);
    ASSERT_FALSE(wide.empty() || narrow.empty());
    EXPECT_TRUE(QRect(t.x(), t.y(), tw, lh).contains(Bounds(wide)));
    EXPECT_TRUE(QRect(t.x() + indent, t.y() + lh, nw, lh).contains(Bounds(narrow)));
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, TdxfColorButtonLayoutTest,
                         ::testing::Values(TdxfButtonLayout::dxfGlyphLeft, TdxfButtonLayout::dxfGlyphRight,
                                           TdxfButtonLayout::dxfGlyphTop, TdxfButtonLayout::dxfGlyphBottom),
                         [](const ::testing::TestParamInfo<TdxfButtonLayout>& info) -> std::string {
                             switch (info.param) {
                             case TdxfButtonLayout::dxfGlyphLeft: return "GlyphLeft";
                             case TdxfButtonLayout::dxfGlyphRight: return "GlyphRight";
                             case TdxfButtonLayout::dxfGlyphTop: return "GlyphTop";
                             case TdxfButtonLayout::dxfGlyphBottom: return "GlyphBottom";
                             }
                             return "Unknown";
                         });

namespace {

struct PlacementCase {
    const char* name;
    QSize control;
    QSize glyph;
    std::vector<int> lineWidths;
    TdxfButtonLayout layout;
    bool down;
    QPoint glyphAt;
    std::vector<QPoint> linesAt;
};
PRINT_ROW_BY_NAME(PlacementCase, name)

class LayoutCaptionTest : public ::testing::TestWithParam<PlacementCase> {};

// A 12 x 10 glyph beside or above lines 60 and 20 wide, 15 high, on a 120 x 80 button,
// unless the row says otherwise.
TEST_P(LayoutCaptionTest, PlacesGlyphAndLines)
{
    const PlacementCase& row = GetParam();
    const TdxfCaptionPlacement placement =
        LayoutCaption(row.control, row.glyph, row.lineWidths, 15, row.layout, row.down);
    EXPECT_EQ(placement.Glyph, row.glyphAt);
    EXPECT_EQ(placement.Lines, row.linesAt);
}

constexpr QSize kButton(120, 80);
constexpr QSize kGlyph(12, 10);

INSTANTIATE_TEST_SUITE_P(
    Rows, LayoutCaptionTest,
    ::testing::Values(
        PlacementCase{"GlyphLeftLinesFlushLeft",
                      kButton,
                      kGlyph,
                      {60, 20},
                      TdxfButtonLayout::dxfGlyphLeft,
                      false,
                      {22, 35},
                      {{38, 25}, {38, 40}}},
        PlacementCase{"GlyphRightLinesFlushRight",
                      kButton,
                      kGlyph,
                      {60, 20},
                      TdxfButtonLayout::dxfGlyphRight,
                      false,
                      {86, 35},
                      {{22, 25}, {62, 40}}},
        PlacementCase{"GlyphTopLinesCentred",
                      kButton,
                      kGlyph,
                      {60, 20},
                      TdxfButtonLayout::dxfGlyphTop,
                      false,
                      {54, 18},
                      {{30, 32}, {50, 47}}},
        PlacementCase{"GlyphBottomLinesCentred",
                      kButton,
                      kGlyph,
                      {60, 20},
                      TdxfButtonLayout::dxfGlyphBottom,
                      false,
                      {54, 52},
                      {{30, 18}, {50, 33}}},
        PlacementCase{"PressedMovesAllOneRightAndDown",
                      kButton,
                      kGlyph,
                      {60, 20},
                      TdxfButtonLayout::dxfGlyphLeft,
                      true,
                      {23, 36},
                      {{39, 26}, {39, 41}}},
        PlacementCase{"NoGlyphNoSpacing",
                      kButton,
                      QSize(0, 0),
                      {60},
                      TdxfButtonLayout::dxfGlyphLeft,
                      false,
                      {30, 40},
                      {{30, 32}}},
        PlacementCase{
            "NoCaptionCentresTheGlyph", kButton, kGlyph, {}, TdxfButtonLayout::dxfGlyphTop, false, {54, 35}, {}},
        PlacementCase{"NegativeHalvesTruncateTowardZero",
                      QSize(7, 5),
                      QSize(2, 2),
                      {4},
                      TdxfButtonLayout::dxfGlyphLeft,
                      false,
                      {-1, 1},
                      {{5, -5}}}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

} // namespace

namespace {

// A shown window with the game's button, driven through the window system's input path so
// that the shape, the capture, and enter and leave all take part.
class TdxfColorButtonInputTest : public TdxfColorButtonTest {
protected:
    void SetUp() override
    {
        TdxfColorButtonTest::SetUp();
        host.resize(320, 260);
        button = new TdxfColorButton(&host);
        SetUpShotButton(*button);
        button->OnMouseDown = [this](QObject* sender, TMouseButton which, TShiftState shift, int x, int y) {
            Log("down", sender, which, shift, x, y);
        };
        button->OnMouseUp = [this](QObject* sender, TMouseButton which, TShiftState shift, int x, int y) {
            Log("up", sender, which, shift, x, y);
        };
        button->OnClick = [this](QObject*) { events.push_back("click"); };
        button->OnDblClick = [this](QObject*) { events.push_back("dblclick"); };
        host.show();
    }

    void Log(const char* what, QObject* sender, TMouseButton which, TShiftState shift, int x, int y)
    {
        const char* names[] = {" left", " right", " middle"};
        events.push_back(std::string(what) + names[int(which)] +
                         (shift.testFlag(TShiftFlag::ssDouble) ? " double" : ""));
        EXPECT_EQ(sender, button);
        lastPoint = {x, y};
        drawDownInHandler = button->DrawDown();
    }

    // A real pointer arrives before it presses, so the window system has reported the enter.
    void Press(QPoint at)
    {
        QTest::mouseMove(host.windowHandle(), at);
        QTest::mousePress(host.windowHandle(), Qt::LeftButton, {}, at);
    }
    void Release(QPoint at) { QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, {}, at); }
    void Click(QWidget* target)
    {
        Press(Centre(target));
        Release(Centre(target));
    }
    QPoint At(int x, int y) { return button->mapTo(&host, QPoint(x, y)); }
    QPoint Centre(QWidget* target) { return target->mapTo(&host, target->rect().center()); }

    QWidget host;
    TdxfColorButton* button = nullptr;
    std::vector<std::string> events;
    QPoint lastPoint;
    bool drawDownInHandler = false;
};

using Events = std::vector<std::string>;

} // namespace

// The owner hears of the press before the face goes down, and of the release (after the
// click) while it is still down.
TEST_F(TdxfColorButtonInputTest, PressAndReleaseInside)
{
    Press(Centre(button));
    EXPECT_EQ(events, Events({"down left"}));
    EXPECT_FALSE(drawDownInHandler);
    EXPECT_EQ(lastPoint, QPoint(38, 16));
    EXPECT_EQ(Render(*button, kBeneath).pixel(58, 25), Grey(215));

    Release(Centre(button));
    EXPECT_EQ(events, Events({"down left", "click", "up left"}));
    EXPECT_TRUE(drawDownInHandler);
    EXPECT_FALSE(button->DrawDown() || button->MouseDown() || button->Down());
    EXPECT_EQ(Render(*button, kBeneath).pixel(15, 6), Grey(213));
}

// Leaving while held shows the up face, coming back the down face; a release outside still
// reaches the button but clicks only inside the control's rectangle.
TEST_F(TdxfColorButtonInputTest, ReleaseOutside)
{
    Press(Centre(button));
    QTest::mouseMove(host.windowHandle(), At(100, 50));
    EXPECT_FALSE(button->MouseOver() || button->DrawDown());
    QTest::mouseMove(host.windowHandle(), At(40, 18));
    EXPECT_TRUE(button->DrawDown());
    Release(At(100, 50));
    EXPECT_EQ(events, Events({"down left", "up left"}));
    EXPECT_EQ(lastPoint, QPoint(100, 50));
    EXPECT_FALSE(button->DrawDown() || button->MouseDown());

    events.clear();
    Press(Centre(button));
    Release(At(1, 1));
    EXPECT_EQ(events, Events({"down left", "click", "up left"}));
}

// Other buttons only raise the events; the second press of a double click raises
// OnDblClick and a flagged OnMouseDown, and its release clicks no second time.
TEST_F(TdxfColorButtonInputTest, OtherButtonsAndDoubleClick)
{
    QTest::mouseMove(host.windowHandle(), Centre(button));
    QTest::mousePress(host.windowHandle(), Qt::RightButton, {}, Centre(button));
    EXPECT_FALSE(button->DrawDown());
    QTest::mouseRelease(host.windowHandle(), Qt::RightButton, {}, Centre(button));
    QTest::mouseClick(host.windowHandle(), Qt::MiddleButton, {}, Centre(button));
    EXPECT_EQ(events, Events({"down right", "up right", "down middle", "up middle"}));
    EXPECT_FALSE(button->DrawDown() || button->MouseDown());

    events.clear();
    QTest::mouseDClick(host.windowHandle(), Qt::LeftButton, {}, Centre(button));
    EXPECT_EQ(events, Events({"down left", "click", "up left", "dblclick", "down left double", "up left"}));
    EXPECT_FALSE(button->DrawDown());
}

// The game disables the button in its release handler: the pressed face stays, embossed,
// until the handler returns; then the disabled button takes no clicks.
TEST_F(TdxfColorButtonInputTest, DisabledDuringReleaseHandler)
{
    QImage during;
    button->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) {
        button->setEnabled(false);
        during = Render(*button, kBeneath);
    };
    Click(button);
    EXPECT_EQ(during.pixel(58, 25), Grey(215));
    EXPECT_FALSE(PixelsOf(during, kShadow).empty());
    EXPECT_FALSE(button->DrawDown());

    events.clear();
    Click(button);
    EXPECT_TRUE(events.empty());
}

// Three buttons of one group: the one that goes down releases the others. An ungrouped
// button never latches; other groups are left alone; changing the group keeps the state.
TEST_F(TdxfColorButtonInputTest, GroupOfThree)
{
    std::vector<TdxfColorButton*> group;
    for (int i = 0; i < 3; ++i) {
        group.push_back(new TdxfColorButton(&host));
        group[i]->setGeometry(10 + 100 * i, 10, 80, 40);
        group[i]->SetGroupIndex(1);
        group[i]->show();
    }
    auto* other = new TdxfColorButton(&host);
    other->SetGroupIndex(2);
    other->SetDown(true);
    const auto downs = [&] { return std::vector<bool>{group[0]->Down(), group[1]->Down(), group[2]->Down()}; };
    using Downs = std::vector<bool>;

    button->SetDown(true);
    EXPECT_FALSE(button->Down() || button->DrawDown());
    Click(group[0]);
    EXPECT_EQ(downs(), Downs({true, false, false}));
    EXPECT_TRUE(group[0]->DrawDown());
    // Latching ends the press: released in code, the button shows up when the pointer returns.
    group[0]->SetDown(false);
    QTest::mouseMove(host.windowHandle(), QPoint(5, 250));
    QTest::mouseMove(host.windowHandle(), Centre(group[0]));
    EXPECT_FALSE(group[0]->DrawDown());
    Click(group[0]);
    Click(group[1]);
    EXPECT_EQ(downs(), Downs({false, true, false}));
    EXPECT_FALSE(group[0]->DrawDown());
    group[2]->SetDown(true);
    EXPECT_EQ(downs(), Downs({false, false, true}));
    EXPECT_TRUE(other->Down());
    other->SetGroupIndex(0);
    EXPECT_TRUE(other->Down() && other->DrawDown());

    // Clicked again, a latched button stays down unless AllowAllUp lets it go up.
    Click(group[2]);
    EXPECT_EQ(downs(), Downs({false, false, true}));
    group[2]->SetAllowAllUp(true);
    Click(group[2]);
    EXPECT_EQ(downs(), Downs({false, false, false}));
    EXPECT_FALSE(group[2]->DrawDown());

    // A press that ends outside neither latches an up button nor releases a latched one.
    group[1]->SetDown(true);
    for (TdxfColorButton* member : {group[0], group[1]}) {
        Press(Centre(member));
        Release(QPoint(5, 250));
    }
    EXPECT_EQ(downs(), Downs({false, true, false}));
    EXPECT_TRUE(group[1]->DrawDown());
}

// The key holds the button as the left mouse button does: the owner hears the press before
// the face goes down, then the click and the release; its point is the button's centre.
TEST_F(TdxfColorButtonInputTest, KeyHoldsLikeTheLeftButton)
{
    EXPECT_TRUE(button->KeyDown());
    EXPECT_EQ(events, Events({"down left"}));
    EXPECT_FALSE(drawDownInHandler);
    EXPECT_EQ(lastPoint, QPoint(38, 16));
    EXPECT_TRUE(button->DrawDown());
    EXPECT_EQ(Render(*button, kBeneath).pixel(58, 25), Grey(215));
    // The pointer's way in and out does not let the held face up.
    QTest::mouseMove(host.windowHandle(), At(100, 50));
    EXPECT_TRUE(button->DrawDown());

    EXPECT_TRUE(button->KeyUp());
    EXPECT_EQ(events, Events({"down left", "click", "up left"}));
    EXPECT_TRUE(drawDownInHandler);
    EXPECT_FALSE(button->DrawDown() || button->KeyHeld());
    EXPECT_FALSE(button->KeyUp()); // nothing left to release
}

// One press at a time: the key is refused while a mouse button holds the button, and mouse
// presses and their releases go unheard while the key holds it.
TEST_F(TdxfColorButtonInputTest, KeyAndMouseNeverCountTwice)
{
    for (Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton}) {
        events.clear();
        QTest::mouseMove(host.windowHandle(), Centre(button));
        QTest::mousePress(host.windowHandle(), mouse, {}, Centre(button));
        EXPECT_FALSE(button->KeyDown());
        EXPECT_FALSE(button->KeyUp());
        QTest::mouseRelease(host.windowHandle(), mouse, {}, Centre(button));
        EXPECT_EQ(events.size(), mouse == Qt::LeftButton ? 3u : 2u) << int(mouse);
    }

    events.clear();
    ASSERT_TRUE(button->KeyDown());
    Press(Centre(button));
    Release(Centre(button));
    EXPECT_EQ(events, Events({"down left"}));
    ASSERT_TRUE(button->KeyUp());
    Press(Centre(button)); // a press after the key's release counts again
    EXPECT_FALSE(button->KeyDown());
    Release(Centre(button));
    EXPECT_EQ(events, Events({"down left", "click", "up left", "down left", "click", "up left"}));
}

// A disabled button refuses the key; disabled while held, it hears no release, as with the
// mouse, but shows its face up and takes the next press.
TEST_F(TdxfColorButtonInputTest, DisabledButtonRefusesTheKey)
{
    button->setEnabled(false);
    EXPECT_FALSE(button->KeyDown());
    EXPECT_TRUE(events.empty());

    button->setEnabled(true);
    ASSERT_TRUE(button->KeyDown());
    button->setEnabled(false);
    EXPECT_FALSE(button->KeyUp());
    EXPECT_FALSE(button->DrawDown() || button->KeyHeld());
    EXPECT_EQ(events, Events({"down left"}));

    button->setEnabled(true);
    EXPECT_TRUE(button->KeyDown());
    ASSERT_TRUE(button->KeyUp());

    // A mouse press whose release never arrives, as on a button disabled meanwhile, does
    // not keep refusing the key.
    Press(Centre(button));
    button->setEnabled(false);
    Release(Centre(button));
    button->setEnabled(true);
    EXPECT_TRUE(button->KeyDown());
}
