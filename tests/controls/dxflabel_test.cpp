#include "controls/dxflabel.h"
#include "controls/dxfres.h"
#include "desktop/fonts.h"
#include "desktop/messagebox.h"

#include "support/render.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

#include <algorithm>

#include <functional>
#include <set>

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlue = 0xFF0000FF;

// A one-glyph bitmap font, so the refusal of rotation is seen with a real non-outline face.
QByteArray BitmapFont()
{
    QByteArray bdf = "STARTFONT 2.1\nFONT -Test-DxfBits-Medium-R-Normal--8-80-75-75-C-60-ISO10646-1\n"
                     "SIZE 8 75 75\nFONTBOUNDINGBOX 6 8 0 -1\nSTARTPROPERTIES 5\nFAMILY_NAME \"DxfBits\"\n"
                     "CHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\nFONT_ASCENT 7\nFONT_DESCENT 1\n"
                     "ENDPROPERTIES\nCHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 750 0\nDWIDTH 6 0\n"
                     "BBX 6 8 0 -1\nBITMAP\n";
    return bdf + QByteArray("F8\n").repeated(8) + "ENDCHAR\nENDFONT\n";
}

class RecordingMessageBoxes : public MessageBoxService {
public:
    void Show(const QString&, const QString& text, Icon) override { texts.append(text); }
    void Beep() override { ++beeps; }
    QStringList texts;
    int beeps = 0;
};

class CountingLabel : public TdxfLabel {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TdxfLabel::paintEvent(event);
    }
};

std::set<QRgb> Colours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

QRectF InkBox(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return QRectF(box);
}

// A small white caption on black with no effect, as a stage for pixel checks.
void MakePlain(TdxfLabel& label, const QString& caption = QStringLiteral("Hi"))
{
    label.resize(120, 60);
    label.setFont(MakeFont(kPGothic, 30));
    label.SetCaption(caption);
    label.SetColor(clBlack);
    label.SetFontColor(clWhite);
}

class TdxfLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Light, QColor(240, 240, 200)); // button highlight
        palette.setColor(QPalette::Dark, QColor(100, 90, 80));    // button shadow
        QApplication::setPalette(palette);
    }
    void TearDown() override { QApplication::setPalette(saved); }
    QPalette saved = QApplication::palette();
    RecordingMessageBoxes messages;
    TScopedMessageBoxes installed{&messages};
};

} // namespace

TEST_F(TdxfLabelTest, AngleAcceptsZeroToFullTurnAndIgnoresTheRest)
{
    TdxfLabel label;
    MakePlain(label);
    const QImage atZero = Render(label, kBlue);
    label.SetAngle(360);
    EXPECT_EQ(label.Angle(), 360);
    EXPECT_EQ(label.Escapement(), 0);
    EXPECT_EQ(Render(label, kBlue), atZero);
    label.SetAngle(361);
    label.SetAngle(-10);
    EXPECT_EQ(label.Angle(), 360);
    label.SetAngle(350);
    EXPECT_EQ(label.Escapement(), 3500);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(TdxfLabelTest, BitmapFontRefusesRotationWithBeepAndMessage)
{
    ASSERT_GE(QFontDatabase::addApplicationFontFromData(BitmapFont()), 0);
    TdxfLabel label;
    label.setFont(MakeFont(QStringLiteral("DxfBits"), 8));
    label.SetAngle(0);
    EXPECT_EQ(messages.beeps, 0);
    label.SetAngle(90);
    EXPECT_EQ(label.Angle(), 0);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(messages.texts, QStringList{"The Angle property is applicable for the TrueType fonts only"});
    label.setFont(MakeFont(kPMincho, 245, true));
    label.SetAngle(90);
    EXPECT_EQ(label.Angle(), 90);
    EXPECT_EQ(messages.beeps, 1);
}

TEST(TextOriginTest, HalvesRoundToEven)
{
    EXPECT_EQ(TdxfLabel::TextOrigin(10, 10, 5, 3, 0), QPoint(8, 8));     // 2.5 -> 2, 1.5 -> 2
    EXPECT_EQ(TdxfLabel::TextOrigin(10, 10, 7, 1, 0), QPoint(6, 10));    // 3.5 -> 4, 0.5 -> 0
    EXPECT_EQ(TdxfLabel::TextOrigin(10, 10, 7, 3, 90), QPoint(8, 14));   // text runs upwards
    EXPECT_EQ(TdxfLabel::TextOrigin(10, 10, 5, 3, 180), QPoint(12, 12)); // -2.5 -> -2
    EXPECT_EQ(TdxfLabel::TextOrigin(224, 51, 1559, 270, 0), QPoint(224 - 780, 51 - 135));
}

TEST_F(TdxfLabelTest, TextTurnsAboutTheControlCentre)
{
    TdxfLabel label;
    MakePlain(label, QStringLiteral("GAME OVER"));
    label.resize(301, 301);
    label.setFont(MakeFont(kPMincho, 40, true));
    const QPointF centre(150, 150);
    QRectF ink[4];
    for (int quarter = 0; quarter < 4; ++quarter) {
        label.SetAngle(90 * quarter);
        ink[quarter] = InkBox(Render(label, kBlack), kBlack);
    }
    // Opposite turns put the ink symmetrically about the centre.
    for (int quarter : {0, 1}) {
        const QPointF middle = (ink[quarter].center() + ink[quarter + 2].center()) / 2;
        EXPECT_NEAR(middle.x(), centre.x(), 1.0) << quarter;
        EXPECT_NEAR(middle.y(), centre.y(), 1.0) << quarter;
    }
    // Each quarter turn moves the upright ink counter-clockwise about the centre; the rounded
    // half sizes and the hinting of upright glyphs may each cost a pixel, and the synthesised
    // bold of a font without a bold face may widen turned text by up to two.
    const QPointF offset = ink[0].center() - centre;
    const QPointF turned[] = {{offset.y(), -offset.x()}, -offset, {-offset.y(), offset.x()}};
    for (int quarter = 1; quarter < 4; ++quarter) {
        EXPECT_NEAR(ink[quarter].center().x(), centre.x() + turned[quarter - 1].x(), 2.0) << quarter;
        EXPECT_NEAR(ink[quarter].center().y(), centre.y() + turned[quarter - 1].y(), 2.0) << quarter;
        const QSizeF size = quarter == 2 ? ink[0].size() : ink[0].size().transposed();
        EXPECT_NEAR(ink[quarter].width(), size.width(), 2.0) << quarter;
        EXPECT_NEAR(ink[quarter].height(), size.height(), 2.0) << quarter;
    }
}

// The copies are the face shifted in screen steps; the one nearest the face is drawn last.
TEST_F(TdxfLabelTest, EffectCopiesFollowStyleAndDepth)
{
    TdxfLabel label;
    MakePlain(label);
    label.Effect3D()->SetShadowedColor(clMaroon);
    const QImage face = Render(label, kBlue);
    const auto faceAt = [&](int x, int y) { return face.valid(x, y) && face.pixel(x, y) == kWhite; };
    // Maroon fading toward the black background: depths 1, 2 and 3.
    const int kFunRed[] = {0, 128, 85, 42};

    for (const TdxfEffectStyle style :
         {TdxfEffectStyle::dxfCool, TdxfEffectStyle::dxfExtrude, TdxfEffectStyle::dxfFun}) {
        label.Effect3D()->SetStyle(style);
        label.Effect3D()->SetOrientation(TdxfOrientation::dxfRightTop);
        label.Effect3D()->SetDepth(0);
        EXPECT_EQ(Render(label, kBlue), face) << int(style);

        label.Effect3D()->SetOrientation(TdxfOrientation::dxfRight);
        label.Effect3D()->SetDepth(3);
        const QImage image = Render(label, kBlue);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QRgb expected = kBlack;
                if (faceAt(x, y))
                    expected = kWhite;
                else if (style == TdxfEffectStyle::dxfCool)
                    expected = faceAt(x - 3, y) ? qRgb(128, 0, 0) : kBlack;
                else
                    for (int k = 3; k >= 1; --k)
                        if (faceAt(x - k, y))
                            expected = qRgb(style == TdxfEffectStyle::dxfExtrude ? 128 : kFunRed[k], 0, 0);
                ASSERT_EQ(image.pixel(x, y), expected) << int(style) << " at " << x << "," << y;
            }
    }
}

TEST(GetColorTest, TruncatesFromRawChannels)
{
    EXPECT_EQ(GetColor(clMaroon, clBlack, 0, 3), clMaroon);
    EXPECT_EQ(GetColor(clMaroon, clBlack, 1, 3), RGB(85, 0, 0));
    EXPECT_EQ(GetColor(clMaroon, clBlack, 2, 3), RGB(42, 0, 0));
    EXPECT_EQ(GetColor(RGB(90, 150, 240), clBlack, 1, 3), RGB(60, 100, 160));
    EXPECT_EQ(GetColor(clBlack, clWhite, 1, 3), RGB(85, 85, 85));
    EXPECT_EQ(GetColor(clBtnShadow, clBlack, 0, 1), RGB(16, 0, 0)); // system colours are not resolved
    EXPECT_EQ(GetColor(clMaroon, clBlack, 1, 0), clMaroon);         // no steps: no division by zero
}

TEST_F(TdxfLabelTest, RaisedDarkCopyOnlyFromTwelvePoints)
{
    TdxfLabel label;
    MakePlain(label);
    label.SetStyle(TdxfLabelStyle::dxfRaised);
    const QRgb shadow = qRgb(100, 90, 80);
    const QRgb highlight = qRgb(240, 240, 200);
    label.SetFontSize(11);
    std::set<QRgb> colours = Colours(Render(label, kBlue));
    EXPECT_EQ(colours, (std::set<QRgb>{kBlack, kWhite, highlight}));
    label.SetFontSize(12);
    colours = Colours(Render(label, kBlue));
    EXPECT_EQ(colours, (std::set<QRgb>{kBlack, kWhite, highlight, shadow}));
}

TEST_F(TdxfLabelTest, LoweredFaceTakesOverTheParentColour)
{
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(90, 150, 240));
    parent.setPalette(palette);
    QWidget panel(&parent);
    TdxfLabel label(&panel);
    EXPECT_EQ(label.Color(), RGB(90, 150, 240)); // what shows behind the panel, by default
    MakePlain(label);
    EXPECT_FALSE(label.ParentColor());
    label.SetStyle(TdxfLabelStyle::dxfLowered);
    // Choosing the sunken face switches the colour; painting changes nothing.
    EXPECT_TRUE(label.ParentColor());
    EXPECT_EQ(label.Color(), RGB(90, 150, 240));
    label.SetTransparent(true);
    const std::set<QRgb> firstPaint = Colours(Render(label, kBlue));
    EXPECT_EQ(firstPaint, (std::set<QRgb>{kBlue, qRgb(240, 240, 200), qRgb(60, 100, 160)}));
    EXPECT_TRUE(label.ParentColor());
    EXPECT_EQ(label.Color(), RGB(90, 150, 240));
    label.SetTransparent(false);
    const std::set<QRgb> opaque = Colours(Render(label, kBlue));
    EXPECT_EQ(opaque, (std::set<QRgb>{qRgb(90, 150, 240), qRgb(240, 240, 200), qRgb(60, 100, 160)}));
}

TEST_F(TdxfLabelTest, FunCopyNextToTheFaceHasTheShadowColourEvenForSystemColours)
{
    TdxfLabel label;
    MakePlain(label);
    label.Effect3D()->SetStyle(TdxfEffectStyle::dxfFun);
    label.Effect3D()->SetDepth(1);
    label.Effect3D()->SetShadowedColor(clBtnShadow);
    EXPECT_EQ(Colours(Render(label, kBlue)), (std::set<QRgb>{kBlack, kWhite, qRgb(100, 90, 80)}));
}

// The banner's look: red outline over a maroon copy; inside the letters the parent shows.
TEST_F(TdxfLabelTest, TransparentOutlineLetsTheParentShowThrough)
{
    TdxfLabel label;
    MakePlain(label, QStringLiteral("GO"));
    label.setFont(MakeFont(kPMincho, 50, true));
    const QImage filled = Render(label, kBlue);
    label.SetStyle(TdxfLabelStyle::dxfOutLine);
    label.SetFontColor(clRed);
    label.SetTransparent(true);
    const QImage image = Render(label, kBlue);
    EXPECT_EQ(Colours(image), (std::set<QRgb>{kBlue, qRgb(255, 0, 0)}));
    int inside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inside += filled.pixel(x, y) == kWhite && image.pixel(x, y) == kBlue;
    EXPECT_GT(inside, 100);

    label.Effect3D()->SetDepth(3);
    label.Effect3D()->SetShadowedColor(clMaroon);
    EXPECT_EQ(Colours(Render(label, kBlue)), (std::set<QRgb>{kBlue, qRgb(255, 0, 0), qRgb(128, 0, 0)}));
}

TEST_F(TdxfLabelTest, GlyphIsTiledInsideTheLettersOnly)
{
    TdxfLabel label;
    MakePlain(label, QStringLiteral("W"));
    label.setFont(MakeFont(kPGothic, 50, true));
    const QImage face = Render(label, kBlue);
    QImage glyph(3, 2, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i)
        glyph.setPixel(i % 3, i / 3, qRgb(10 * i + 5, 200, 0));
    label.SetGlyph(glyph);
    const QImage image = Render(label, kBlue);
    int tiled = 0;
    int faceInk = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            faceInk += face.pixel(x, y) == kWhite;
            if (image.pixel(x, y) == kBlack)
                continue;
            ASSERT_EQ(image.pixel(x, y), glyph.pixel(x % 3, y % 2)) << x << "," << y;
            ++tiled;
        }
    // The clip outline and the drawn face differ by a pixel here and there, no more.
    EXPECT_NEAR(tiled, faceInk, faceInk * 0.2);
    EXPECT_FALSE(Colours(image).count(kWhite));
}

TEST_F(TdxfLabelTest, DrawBmpGrowsAndNeverShrinks)
{
    // Larger than anything painted before in this process, and than the small label below.
    const QSize before = DrawBmp().size();
    TdxfLabel large;
    MakePlain(large);
    large.resize(std::max(before.width(), 10) + 7, std::max(before.height(), 10) + 5);
    Render(large, kBlue);
    EXPECT_EQ(DrawBmp().size(), large.size());

    // No ink, so every pixel the small label leaves behind is its background.
    TdxfLabel small;
    MakePlain(small, QStringLiteral(" "));
    small.SetColor(clYellow);
    small.resize(10, 10);
    Render(small, kBlue);
    EXPECT_EQ(DrawBmp().size(), large.size());
    EXPECT_EQ(DrawBmp().pixel(large.width() - 1, large.height() - 1), qRgb(255, 255, 0));
}

TEST_F(TdxfLabelTest, LiteralAmpersandAndDisabledLookAlike)
{
    TdxfLabel label;
    MakePlain(label, QStringLiteral("&"));
    const QImage enabled = Render(label, kBlue);
    EXPECT_TRUE(Colours(enabled).count(kWhite));
    label.setEnabled(false);
    EXPECT_EQ(Render(label, kBlue), enabled);
}

TEST_F(TdxfLabelTest, SettersRepaintAsTheControlRequires)
{
    CountingLabel label;
    MakePlain(label);
    label.show();
    const auto repaintsAfter = [&](const std::function<void()>& change) {
        QApplication::processEvents();
        const int before = label.paints;
        change();
        QApplication::processEvents();
        return label.paints - before;
    };
    EXPECT_EQ(repaintsAfter([&] { label.SetPenWidth(3); }), 0);
    EXPECT_EQ(label.PenWidth(), 3);
    EXPECT_EQ(repaintsAfter([&] { label.SetStyle(TdxfLabelStyle::dxfNormal); }), 1);
    EXPECT_EQ(repaintsAfter([&] { label.Effect3D()->SetDepth(0); }), 0);
    EXPECT_EQ(repaintsAfter([&] { label.Effect3D()->SetDepth(2); }), 1);
    EXPECT_EQ(repaintsAfter([&] { label.SetFontSize(184); }), 1);
    EXPECT_EQ(label.font().pixelSize(), 245);
    EXPECT_EQ(label.FontSize(), 184);

    Tdxf3DEffect other;
    other.SetDepth(5);
    other.SetShadowedColor(clPurple);
    label.Set3DEffect(&other);
    EXPECT_EQ(label.Effect3D()->Depth(), 5);
    EXPECT_EQ(label.Effect3D()->ShadowedColor(), clPurple);
    EXPECT_NE(label.Effect3D(), &other);
}
