#include "desktop/colorkeycopy.h"

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
        for (int column = 0; column < opaque.width(); ++column) {
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

void DrawImageExceptColor(QPainter& target, const QPoint& at, const QImage& image, const QRect& source,
                          TColor transparentColor)
{
    const QRect area = source.intersected(image.rect());
    if (area.isEmpty())
        return;
    const QColor key = ToQColor(transparentColor);
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
        for (int column = 0; column < bits.width(); ++column)
            to[column] = (from[column] & RGB_MASK) == RGB_MASK ? paint : 0u;
    }
    const QPainter::CompositionMode mode = target.compositionMode();
    target.setCompositionMode(QPainter::CompositionMode_SourceOver);
    target.drawImage(at, stencil);
    target.setCompositionMode(mode);
}
