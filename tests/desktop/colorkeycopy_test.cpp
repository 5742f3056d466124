#include "desktop/colorkeycopy.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kKey = 0xFF00FF00;
constexpr QRgb kInk = 0xFF0000FF;
constexpr QRgb kBeneath = 0xFFFF0000;

// A 3 x 2 picture: the key colour in the bottom row, ink above it, half see-through in one spot.
QImage Picture()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(kInk);
    for (int x = 0; x < 3; ++x)
        image.setPixel(x, 1, kKey);
    image.setPixel(2, 0, qRgba(0, 0, 255, 128));
    return image;
}

} // namespace

// Only the exact key colour becomes see-through; everything else comes out opaque.
TEST(ColorKeyCopyTest, KeyedPixelsVanishOthersTurnOpaque)
{
    const QImage glyph = GlyphWithoutBackground(Picture());
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(qAlpha(glyph.pixel(x, 1)), 0) << x;
        EXPECT_EQ(qAlpha(glyph.pixel(x, 0)), 255) << x;
    }
    EXPECT_EQ(glyph.pixel(0, 0), kInk);
    EXPECT_EQ(ColorKeyed(Picture(), kInk).pixel(1, 1), kKey);
    EXPECT_EQ(qAlpha(ColorKeyed(Picture(), kInk).pixel(0, 0)), 0);
    EXPECT_TRUE(GlyphWithoutBackground(QImage()).isNull());
}

// The copy keeps what the target had under the key colour and honours the source rectangle.
TEST(ColorKeyCopyTest, DrawExceptColorKeepsTheTargetUnderTheKey)
{
    QImage target(4, 3, QImage::Format_RGB32);
    target.fill(kBeneath);
    {
        QPainter painter(&target);
        DrawImageExceptColor(painter, QPoint(1, 1), Picture(), QRect(0, 0, 2, 2), RGB(0, 255, 0));
    }
    EXPECT_EQ(target.pixel(1, 1), kInk);
    EXPECT_EQ(target.pixel(2, 1), kInk);
    EXPECT_EQ(target.pixel(3, 1), kBeneath); // outside the source rectangle
    EXPECT_EQ(target.pixel(1, 2), kBeneath); // key colour
    EXPECT_EQ(target.pixel(0, 0), kBeneath);
}
