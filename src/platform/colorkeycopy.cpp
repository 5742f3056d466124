#include "platform/colorkeycopy.h"

#include "platform/pixelrows.h"

#include <QPainter>

QImage ColorKeyed(const QImage& image, QRgb key)
{
    if (image.isNull())
        return {};
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    const QRgb keyRgb = key | 0xFF000000u;
    QImage keyed(opaque.size(), QImage::Format_ARGB32_Premultiplied);
    keyed.setDevicePixelRatio(image.devicePixelRatio());
    for (int row = 0; row < opaque.height(); ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(opaque.constScanLine(row));
        QRgb* to = reinterpret_cast<QRgb*>(keyed.scanLine(row));
        for (int column = 0, width = opaque.width(); column < width; ++column) {
            const QRgb pixel = from[column] | 0xFF000000u;
            to[column] = pixel == keyRgb ? 0u : pixel;
        }
    }
    return keyed;
}

QImage GlyphWithoutBackground(const QImage& glyph)
{
    if (glyph.isNull())
        return {};
    // The key is read as the copy will see it, so a glyph with alpha keys on what it shows.
    const QImage opaque = glyph.convertToFormat(QImage::Format_RGB32);
    return ColorKeyed(opaque, opaque.pixel(0, opaque.height() - 1));
}

void CopyRowsExceptColor(QImage& target, const QPoint& at, const QImage& image, const QRect& source, QRgb key)
{
    const QRect area = source.intersected(image.rect());
    const QPoint shift = at - source.topLeft();
    const QRect placed = area.translated(shift).intersected(target.rect());
    if (placed.isEmpty())
        return;
    const QRgb keyRgb = key | 0xFF000000u;
    const int left = placed.left() - shift.x();
    // The rows found once: scanLine() checks for sharing on every call.
    const uchar* fromBits = image.constBits();
    const qsizetype fromStride = image.bytesPerLine();
    uchar* toBits = target.bits();
    const qsizetype toStride = target.bytesPerLine();
    for (int y = placed.top(); y <= placed.bottom(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(fromBits + (y - shift.y()) * fromStride) + left;
        QRgb* to = reinterpret_cast<QRgb*>(toBits + y * toStride) + placed.left();
        for (int x = 0, width = placed.width(); x < width; ++x) {
            // A select rather than a branch: keyed and opaque pixels alternate along a glyph's edges.
            const QRgb pixel = from[x] | 0xFF000000u;
            to[x] = pixel == keyRgb ? to[x] : pixel;
        }
    }
}

void DrawImageExceptColor(QPainter& target, const QPoint& at, const QImage& image, const QRect& source,
                          TColor transparentColor)
{
    const QRect area = source.intersected(image.rect());
    if (area.isEmpty())
        return;
    const QColor key = ToQColor(transparentColor);
    // No keyed copy and no blending when the target's rows can take the pixels as they are.
    if (image.format() == QImage::Format_RGB32 && image.devicePixelRatio() == 1)
        if (QImage* rows = PlainRows(target)) {
            CopyRowsExceptColor(*rows, at, image, source, key.rgb());
            return;
        }
    const QImage keyed = ColorKeyed(image.copy(area), qRgb(key.red(), key.green(), key.blue()));
    const QPainter::CompositionMode mode = target.compositionMode();
    target.setCompositionMode(QPainter::CompositionMode_SourceOver);
    target.drawImage(QPointF(at) + QPointF(area.topLeft() - source.topLeft()) / image.devicePixelRatio(), keyed);
    target.setCompositionMode(mode);
}

void DrawBrushThroughMask(QPainter& target, const QPoint& at, const QImage& mask, TColor brush)
{
    if (mask.isNull())
        return;
    const QImage bits = mask.convertToFormat(QImage::Format_RGB32);
    const QColor colour = ToQColor(brush);
    const QRgb paint = qRgb(colour.red(), colour.green(), colour.blue());
    QImage stencil(bits.size(), QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < bits.height(); ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(bits.constScanLine(row));
        QRgb* to = reinterpret_cast<QRgb*>(stencil.scanLine(row));
        for (int column = 0, width = bits.width(); column < width; ++column)
            to[column] = (from[column] & RGB_MASK) == RGB_MASK ? paint : 0u;
    }
    const QPainter::CompositionMode mode = target.compositionMode();
    target.setCompositionMode(QPainter::CompositionMode_SourceOver);
    target.drawImage(at, stencil);
    target.setCompositionMode(mode);
}
