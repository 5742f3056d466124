// Writing a control's pixels straight into an image's rows must give exactly what the painter
// gives: each direct way is compared here with the painter's own, over sizes, places and formats.
#include "platform/colorkeycopy.h"
#include "platform/pixelrows.h"
#include "support/printrow.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr QRgb kBeneath = 0xFF102030;

QImage Blank(QSize size, QImage::Format format)
{
    QImage image(size, format);
    image.fill(kBeneath);
    return image;
}

// Steps that differ from each other in every channel, so that a step taken from the wrong place shows.
std::vector<QRgb> Steps(int count)
{
    std::vector<QRgb> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back(qRgb(i & 0xFF, (i * 7) & 0xFF, 255 - (i & 0xFF)));
    return steps;
}

// The first pixel where two images differ, as text, or empty when they are the same.
std::string FirstDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return std::to_string(x) + "," + std::to_string(y);
    return {};
}

QImage StretchedByThePainter(QImage image, const QRect& area, const std::vector<QRgb>& steps, Qt::Orientation run)
{
    const bool down = run == Qt::Vertical;
    const int count = int(steps.size());
    const QImage ramp(reinterpret_cast<const uchar*>(steps.data()), down ? 1 : count, down ? count : 1,
                      down ? 4 : 4 * count, QImage::Format_RGB32);
    QPainter(&image).drawImage(area, ramp);
    return image;
}

QImage StretchedOnRows(QImage image, const QRect& area, const std::vector<QRgb>& steps, Qt::Orientation run)
{
    StretchRowsFromSteps(image, area, steps, run);
    return image;
}

struct TargetFormat {
    const char* name;
    QImage::Format format;
};
PRINT_ROW_BY_NAME(TargetFormat, name)

class PixelRowsFormats : public ::testing::TestWithParam<TargetFormat> {};

} // namespace

// Every length from 1 to 700 pixels, shorter and longer than the ramp, both ways: each pixel
// takes the step the painter's unsmoothed stretch takes, for the button's 256 steps and others.
TEST_P(PixelRowsFormats, StretchPicksThePaintersStepAtEveryLength)
{
    const QImage::Format format = GetParam().format;
    for (const int count : {256, 3, 301})
        for (const Qt::Orientation run : {Qt::Horizontal, Qt::Vertical})
            for (int length = 1; length <= 700; ++length) {
                const QSize size = run == Qt::Horizontal ? QSize(length, 2) : QSize(2, length);
                const QImage blank = Blank(size, format);
                const std::vector<QRgb> steps = Steps(count);
                ASSERT_EQ(FirstDifference(StretchedOnRows(blank, blank.rect(), steps, run),
                                          StretchedByThePainter(blank, blank.rect(), steps, run)),
                          "")
                    << count << " steps over " << length << (run == Qt::Horizontal ? " across" : " down");
            }
}

// Areas away from the corner, cut off by any edge of the image, larger than it or empty.
TEST_P(PixelRowsFormats, StretchAndFillCutAtTheImagesEdgesAsThePainterDoes)
{
    const QImage::Format format = GetParam().format;
    const QImage blank = Blank({75, 25}, format);
    const std::vector<QRgb> steps = Steps(256);
    for (const QRect& area : {QRect(3, 2, 40, 10), QRect(-17, -5, 60, 20), QRect(50, 20, 300, 9),
                              QRect(-100, -100, 400, 300), QRect(5, 5, 0, 3), QRect(80, 0, 10, 10)}) {
        for (const Qt::Orientation run : {Qt::Horizontal, Qt::Vertical})
            EXPECT_EQ(FirstDifference(StretchedOnRows(blank, area, steps, run),
                                      StretchedByThePainter(blank, area, steps, run)),
                      "")
                << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
        QImage direct = blank;
        FillRows(direct, area, qRgb(200, 100, 50));
        QImage painted = blank;
        QPainter(&painted).fillRect(area, QColor(200, 100, 50));
        EXPECT_EQ(FirstDifference(direct, painted), "") << "fill " << area.x() << "," << area.y();
    }
}

// The keyed copy into the rows against a keyed image blended by the painter, with source
// rectangles inside and beyond the image and places that hang over every edge of the target.
TEST_P(PixelRowsFormats, KeyedCopyMatchesTheBlendedOne)
{
    QImage glyph(16, 12, QImage::Format_RGB32);
    glyph.fill(qRgb(0, 128, 128));
    for (int y = 2; y < 10; ++y)
        for (int x = y % 3; x < 16; x += 2)
            glyph.setPixel(x, y, qRgb(x * 15, y * 20, 7));
    const QRgb key = qRgb(0, 128, 128);
    const QImage blank = Blank({40, 20}, GetParam().format);
    for (const QPoint& at : {QPoint(3, 4), QPoint(-5, -3), QPoint(30, 12), QPoint(-20, 0), QPoint(0, 19)})
        for (const QRect& source : {glyph.rect(), QRect(2, 1, 9, 7), QRect(-3, -2, 30, 30)}) {
            QImage direct = blank;
            CopyRowsExceptColor(direct, at, glyph, source, key);
            QImage blended = blank;
            const QRect area = source.intersected(glyph.rect());
            QPainter(&blended).drawImage(at + area.topLeft() - source.topLeft(), ColorKeyed(glyph.copy(area), key));
            EXPECT_EQ(FirstDifference(direct, blended), "") << "at " << at.x() << "," << at.y();
        }
}

INSTANTIATE_TEST_SUITE_P(Targets, PixelRowsFormats,
                         ::testing::Values(TargetFormat{"Rgb32", QImage::Format_RGB32},
                                           TargetFormat{"Premultiplied", QImage::Format_ARGB32_Premultiplied}),
                         [](const ::testing::TestParamInfo<TargetFormat>& info) { return info.param.name; });

namespace {

struct PainterCase {
    const char* name;
    // Sets the painter up; it must then still draw every pixel at its own place.
    void (*setUp)(QPainter&);
    bool plain;
};
PRINT_ROW_BY_NAME(PainterCase, name)

class PixelRowsPainters : public ::testing::TestWithParam<PainterCase> {};

} // namespace

// Only a painter whose pixels land unchanged is written around; the others draw the same
// picture their own way, so the platform's functions give one result through either.
TEST_P(PixelRowsPainters, DirectOnlyWhenPlainAndTheSamePictureEitherWay)
{
    const PainterCase& row = GetParam();
    const QImage blank = Blank({30, 14}, QImage::Format_RGB32);
    const std::vector<QRgb> steps = Steps(256);
    QImage glyph(6, 5, QImage::Format_RGB32);
    glyph.fill(qRgb(0, 0, 255));
    glyph.setPixel(2, 2, qRgb(250, 250, 0));
    const auto draw = [&](QImage& image, void (*setUp)(QPainter&)) {
        QPainter painter(&image);
        setUp(painter);
        const bool plain = PlainRows(painter) == &image;
        StretchSteps(painter, QRect(0, 0, 30, 14), steps, Qt::Horizontal);
        FillArea(painter, QRect(1, 1, 28, 1), QColor(9, 8, 7));
        DrawImageExceptColor(painter, QPoint(20, 6), glyph, glyph.rect(), RGB(0, 0, 255));
        return plain;
    };
    QImage direct = blank;
    ASSERT_TRUE(draw(direct, [](QPainter&) {}));
    QImage other = blank;
    EXPECT_EQ(draw(other, row.setUp), row.plain);
    EXPECT_EQ(FirstDifference(direct, other), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PixelRowsPainters,
    ::testing::Values(PainterCase{"Untouched", [](QPainter&) {}, true},
                      PainterCase{"ClippedToAll", [](QPainter& p) { p.setClipRect(QRect(0, 0, 30, 14)); }, false},
                      PainterCase{"TranslatedThereAndBack",
                                  [](QPainter& p) {
                                      p.translate(0.5, 0);
                                      p.translate(-0.5, 0);
                                  },
                                  true},
                      PainterCase{"SourceMode",
                                  [](QPainter& p) { p.setCompositionMode(QPainter::CompositionMode_Source); }, false},
                      PainterCase{"Antialiased", [](QPainter& p) { p.setRenderHint(QPainter::Antialiasing); }, false}),
    [](const ::testing::TestParamInfo<PainterCase>& info) { return info.param.name; });

// Painters that would not put the pixels where they are written get no rows.
TEST(PixelRowsTest, NoRowsForPaintersThatMoveShareOrScaleThePixels)
{
    QImage image = Blank({8, 8}, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.translate(1, 0);
        EXPECT_EQ(PlainRows(painter), nullptr) << "translated";
        painter.resetTransform();
        painter.setWindow(0, 0, 4, 4);
        EXPECT_EQ(PlainRows(painter), nullptr) << "window onto half the image";
        painter.setWindow(0, 0, 8, 8);
        painter.setOpacity(0.5);
        EXPECT_EQ(PlainRows(painter), nullptr) << "half opaque";
        painter.setOpacity(1);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        EXPECT_EQ(PlainRows(painter), nullptr) << "smoothing stretched pictures";
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        // A copy taken while painting keeps its own pixels when the rows are written.
        const QImage copy = image;
        QImage* rows = PlainRows(painter);
        ASSERT_EQ(rows, &image);
        FillRows(*rows, QRect(0, 0, 8, 8), qRgb(1, 2, 3));
        EXPECT_EQ(copy.pixel(4, 4), kBeneath);
        EXPECT_EQ(image.pixel(4, 4), qRgb(1, 2, 3));
    }
    QImage fine = Blank({8, 8}, QImage::Format_RGB32);
    fine.setDevicePixelRatio(2);
    QPainter scaled(&fine);
    EXPECT_EQ(PlainRows(scaled), nullptr) << "two device pixels per pixel";
    QImage narrow = Blank({8, 8}, QImage::Format_RGB16);
    QPainter sixteen(&narrow);
    EXPECT_EQ(PlainRows(sixteen), nullptr) << "16-bit pixels";
    // Stretching onto straight alpha samples differently.
    QImage straight = Blank({8, 8}, QImage::Format_ARGB32);
    QPainter unpremultiplied(&straight);
    EXPECT_EQ(PlainRows(unpremultiplied), nullptr) << "straight alpha";
    QPainter idle;
    EXPECT_EQ(PlainRows(idle), nullptr) << "not painting";
}
