#pragma once

#include <QImage>

class QPainter;

// Device pixels per layout pixel of what the painter draws on: the backing store of the
// widget's screen, or the image a window is rendered into. 1 when nothing says otherwise.
qreal PaintRatio(QPainter& canvas);

// How many device pixels `size` layout pixels cover, rounded up.
QSize DeviceSize(QSize size, qreal ratio);

// An off-screen picture of a control, `size` in layout pixels, holding `ratio` times as many
// device pixels per axis (rounded up) and drawn on in layout coordinates.
QImage OffscreenImage(QSize size, qreal ratio, QImage::Format format = QImage::Format_RGB32);
