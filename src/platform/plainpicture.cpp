#include "platform/plainpicture.h"

#include <QtEndian>

#include <png.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr qsizetype kBmpHeadersSize = 54;
// Far beyond any picture of the game; a header claiming more is not one of them.
constexpr int kLargestSide = 4096;

std::uint32_t Read32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

std::uint16_t Read16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

QImage DecodeBmp(const QByteArray& bytes)
{
    if (bytes.size() < kBmpHeadersSize)
        return {};
    const qsizetype pixelsAt = Read32(bytes, 10);
    const std::uint32_t infoSize = Read32(bytes, 14);
    const auto width = std::int32_t(Read32(bytes, 18));
    const auto height = std::int32_t(Read32(bytes, 22));
    const bool plainRgb = Read16(bytes, 26) == 1 && Read16(bytes, 28) == 24 && Read32(bytes, 30) == 0;
    // The common header alone, with the pixels right after it: other headers lay out differently.
    if (infoSize != 40 || pixelsAt != kBmpHeadersSize || !plainRgb || width < 1 || width > kLargestSide ||
        height == 0 || height > kLargestSide || height < -kLargestSide)
        return {};
    const bool bottomUp = height > 0;
    const int rows = bottomUp ? height : -height;
    const qsizetype stride = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    if ((bytes.size() - pixelsAt) / stride < rows)
        return {};

    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < rows; ++y) {
        const auto* source = reinterpret_cast<const unsigned char*>(bytes.constData() + pixelsAt +
                                                                    stride * (bottomUp ? rows - 1 - y : y));
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, source += 3)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    return image;
}

QImage DecodePng(const QByteArray& bytes)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.constData(), std::size_t(bytes.size())))
        return {};
    // Qt's reader applies no gamma, so only pictures that need none are taken.
    const bool plainRgba = png.format == PNG_FORMAT_RGBA && !(png.flags & PNG_IMAGE_FLAG_COLORSPACE_NOT_sRGB);
    if (!plainRgba || png.width > kLargestSide || png.height > kLargestSide) {
        png_image_free(&png);
        return {};
    }
    QImage image(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (image.isNull()) {
        png_image_free(&png);
        return {};
    }
    // Byte order B, G, R, A is the ARGB32 word on a little-endian machine.
    png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    if (!png_image_finish_read(&png, nullptr, image.bits(), png_int_32(image.bytesPerLine()), nullptr))
        return {};
    return image;
}

} // namespace

QImage DecodePlainPicture(const QByteArray& bytes)
{
    if (bytes.startsWith("BM"))
        return DecodeBmp(bytes);
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return DecodePng(bytes);
    return {};
}
