#include "platform/plainpicture.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstring>

namespace {

QByteArray Bytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage AsQtReadsIt(const QByteArray& bytes, const char* format)
{
    return QImage::fromData(bytes, format);
}

void Put32(QByteArray& bytes, qsizetype at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

// Every picture compiled into the game is of a plain kind, so the start decodes all of them
// ahead, and each comes out as Qt's own reader gives it.
TEST(PlainPicture, DecodesEveryCompiledPictureAsQtDoes)
{
    int pictures = 0;
    for (QDirIterator it(QStringLiteral(":/pictures")); it.hasNext();) {
        const QString name = it.next();
        const QByteArray bytes = Bytes(name);
        const QImage expected = AsQtReadsIt(bytes, QFileInfo(name).suffix().toLatin1().constData());
        ASSERT_FALSE(expected.isNull()) << name.toStdString();
        const QImage decoded = DecodePlainPicture(bytes);
        EXPECT_EQ(decoded.format(), expected.format()) << name.toStdString();
        EXPECT_EQ(decoded, expected) << name.toStdString();
        ++pictures;
    }
    EXPECT_GE(pictures, 11);
}

// Rows stored from the top down, as a negative height says, come out the same way up.
TEST(PlainPicture, TopDownBmpComesOutAsQtReadsIt)
{
    QImage picture(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.setPixel(x, y, qRgb(40 * x, 80 * y, 7));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "BMP"));
    const qsizetype stride = (5 * 3 + 3) & ~3;
    const qsizetype pixelsAt = 54;
    ASSERT_EQ(bytes.size(), pixelsAt + 3 * stride);
    QByteArray topDown = bytes;
    for (int row = 0; row < 3; ++row)
        std::memcpy(topDown.data() + pixelsAt + row * stride, bytes.constData() + pixelsAt + (2 - row) * stride,
                    std::size_t(stride));
    Put32(topDown, 22, std::uint32_t(-3));
    EXPECT_EQ(DecodePlainPicture(bytes), picture);
    EXPECT_EQ(DecodePlainPicture(topDown), picture);
    EXPECT_EQ(DecodePlainPicture(topDown), AsQtReadsIt(topDown, "BMP"));
}

// Anything but the two plain kinds, and anything cut short or out of bounds, gives no picture,
// so it is read the usual way instead.
TEST(PlainPicture, LeavesEverythingElseToQt)
{
    const QByteArray bmp = Bytes(QStringLiteral(":/pictures/topbar.bmp"));
    const QByteArray png = Bytes(QStringLiteral(":/pictures/icon.png"));
    ASSERT_FALSE(bmp.isEmpty());
    ASSERT_FALSE(png.isEmpty());
    const auto changed = [](QByteArray bytes, qsizetype at, std::uint32_t value) {
        Put32(bytes, at, value);
        return bytes;
    };
    QImage rgb(4, 4, QImage::Format_RGB32);
    rgb.fill(Qt::darkCyan);
    QByteArray rgbPng;
    QBuffer buffer(&rgbPng);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && rgb.save(&buffer, "PNG"));

    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"nothing", {}},
        {"a text", "BMP is not a picture"},
        {"a bmp cut short by a byte", bmp.chopped(1)},
        {"a bmp of headers only", bmp.left(54)},
        {"a bmp of 8 bits a pixel", changed(bmp, 28, 8 | 1u << 16)},
        {"a compressed bmp", changed(bmp, 30, 1)},
        {"a bmp whose pixels are not right after its header", changed(bmp, 10, 58)},
        {"a bmp with another kind of header", changed(bmp, 14, 64)},
        {"a bmp of no width", changed(bmp, 18, 0)},
        {"a bmp far too wide", changed(bmp, 18, 0x7FFFFFFF)},
        {"a bmp far too tall upside down", changed(bmp, 22, 0x80000000)},
        {"a png cut short", png.left(png.size() / 2)},
        {"a png without alpha", rgbPng},
    };
    for (const auto& sample : cases)
        EXPECT_TRUE(DecodePlainPicture(sample.bytes).isNull()) << sample.what;
}

} // namespace
