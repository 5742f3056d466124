#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <span>

class QPainter;

// The image a painter draws on, when writing its 32-bit rows directly gives the pixels the
// painter would: an image of RGB32 or premultiplied ARGB32 pixels at one device pixel per
// pixel, painted on untransformed, unclipped, unsmoothed, fully opaque and in source-over mode.
// Null otherwise.
QImage* PlainRows(QPainter& canvas);

// Sets every pixel of area that lies in the image, of RGB32 or premultiplied ARGB32 pixels, to
// the opaque colour.
void FillRows(QImage& image, const QRect& area, QRgb colour);

// Solid rectangles through one painter whose state stays as it is meanwhile: written straight
// into the rows when the painter allows it, painted otherwise.
class TAreaFiller {
public:
    explicit TAreaFiller(QPainter& canvas);
    void Fill(const QRect& area, const QColor& colour);

private:
    QPainter& FCanvas;
    QImage* FRows = nullptr;
};

// One solid rectangle, as TAreaFiller fills it.
void FillArea(QPainter& canvas, const QRect& area, const QColor& colour);

// Stretches a one-dimensional ramp over area, as far as it lies in the image: the steps run
// across (left to right) or down (top to bottom), and each pixel takes the step that an
// unsmoothed scaled image draw picks for it. The image has RGB32 or premultiplied ARGB32
// pixels; steps are opaque.
void StretchRowsFromSteps(QImage& image, const QRect& area, std::span<const QRgb> steps, Qt::Orientation run);

// The same through a painter: straight into the rows when the painter allows it, otherwise as an
// image one pixel high (or wide) that the painter stretches.
void StretchSteps(QPainter& canvas, const QRect& area, std::span<const QRgb> steps, Qt::Orientation run);
