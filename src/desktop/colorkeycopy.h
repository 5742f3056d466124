#pragma once

#include "desktop/colors.h"

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

// A copy of image in which every pixel of exactly the key colour is see-through and every
// other pixel opaque. Any alpha of the source is ignored.
QImage ColorKeyed(const QImage& image, QRgb key);

// A glyph without its background: the colour of its bottom-left pixel is see-through.
QImage GlyphWithoutBackground(const QImage& glyph);

// Copies the source rectangle of an image to target, leaving out every pixel whose colour
// is exactly transparentColor: the target keeps what it had there. The source rectangle is
// in the image's own pixels; an image finer than the target draws at its layout size.
void DrawImageExceptColor(QPainter& target, const QPoint& at, const QImage& image, const QRect& source,
                          TColor transparentColor);

// Paints brush wherever the black-and-white mask is white and leaves the target as it was
// where the mask is black: the block transfer with raster operation 0x00E20746.
void DrawBrushThroughMask(QPainter& target, const QPoint& at, const QImage& mask, TColor brush);
