#include "desktop/colors.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

// Plain colours pass through unchanged; system colours follow the application palette.
TEST(ColorToRGBTest, ResolvesSystemColoursThroughThePalette)
{
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Light, QColor(200, 210, 220));
    palette.setColor(QPalette::Dark, QColor(90, 80, 70));
    QApplication::setPalette(palette);

    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(10, 20, 30));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(200, 210, 220));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(90, 80, 70));
    EXPECT_EQ(ColorToRGB(clPurple), RGB(128, 0, 128));
    EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
    EXPECT_EQ(ToQColor(clBlue), QColor(0, 0, 255));

    QApplication::setPalette(saved);
}

// Interpolation truncates after extended-precision arithmetic: thirds of 255 fall just short.
TEST(InterpolateChannelTest, TruncatesExtendedPrecisionProducts)
{
    EXPECT_EQ(InterpolateChannel(0, 255, 1.0 / 3.0), 84);
    EXPECT_EQ(InterpolateChannel(0, 255, 2.0 / 3.0), 169);
    EXPECT_EQ(InterpolateChannel(0, 255, 0.0), 0);
    EXPECT_EQ(InterpolateChannel(0, 255, 1.0), 255);
    EXPECT_EQ(InterpolateChannel(255, -255, 1.0), 0);
    EXPECT_EQ(InterpolateChannel(255, -255, 0.25), 191);
    EXPECT_EQ(InterpolateChannel(128, 127, 0.5), 191);
}
