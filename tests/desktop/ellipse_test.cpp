#include "desktop/ellipse.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kPaper = 0xFF102030;
constexpr QRgb kInk = 0xFFFFFFFF;

QImage Filled(int width, int height, const TRect& box)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPaper);
    FillEllipse(image, box, kInk);
    return image;
}

QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kInk)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

// The ellipse touches all four sides of its box, right and bottom edges excluded, leaves
// the corners alone and is symmetric; its region covers exactly the filled pixels.
TEST(EllipseTest, FillsInscribedEllipseAndRegionAgrees)
{
    for (const TRect box : {TRect{2, 3, 17, 10}, TRect{1, 1, 12, 12}, TRect{0, 0, 77, 33}}) {
        const QImage image = Filled(80, 40, box);
        EXPECT_EQ(InkBounds(image), box.ToQRect());
        EXPECT_EQ(image.pixel(box.Left, box.Top), kPaper);
        const QRegion region = EllipseRegion(box);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool ink = image.pixel(x, y) == kInk;
                ASSERT_EQ(ink, image.pixel(box.Left + box.Right - 1 - x, y) == kInk) << x << "," << y;
                ASSERT_EQ(ink, image.pixel(x, box.Top + box.Bottom - 1 - y) == kInk) << x << "," << y;
                ASSERT_EQ(ink, region.contains(QPoint(x, y))) << x << "," << y;
            }
    }
    EXPECT_TRUE(EllipseRegion({-1, -1, -1, -1}).isEmpty());
}

// A shrinking series ends in a dot and thin boxes give lines; fills clip to the image.
TEST(EllipseTest, DegenerateAndClippedBoxes)
{
    EXPECT_EQ(InkBounds(Filled(10, 10, {4, 5, 4, 5})), QRect(4, 5, 1, 1));
    EXPECT_EQ(InkBounds(Filled(10, 10, {1, 2, 8, 3})), QRect(1, 2, 7, 1));
    EXPECT_EQ(InkBounds(Filled(10, 10, {3, 0, 5, 2})), QRect(3, 0, 2, 2));
    EXPECT_EQ(InkBounds(Filled(6, 6, {-20, -20, 26, 26})), QRect(0, 0, 6, 6));
}
