#include "desktop/devicepixels.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

qreal PaintRatio(QPainter& canvas)
{
    // The engine's device is where the pixels go: a widget painter reports the widget, which
    // knows its screen but not the image it is being rendered into.
    if (const QPaintEngine* engine = canvas.paintEngine())
        if (const QPaintDevice* target = engine->paintDevice())
            return target->devicePixelRatioF();
    if (const QPaintDevice* target = canvas.device())
        return target->devicePixelRatioF();
    return 1.0;
}

QSize DeviceSize(QSize size, qreal ratio)
{
    if (ratio <= 0)
        ratio = 1;
    // The small allowance keeps 1.1 x 10 at 11 rather than 12 through rounding error.
    const auto scaled = [ratio](int length) { return std::max(0, int(std::ceil(length * ratio - 1e-9))); };
    return {scaled(size.width()), scaled(size.height())};
}

QImage OffscreenImage(QSize size, qreal ratio, QImage::Format format)
{
    QImage image(DeviceSize(size, ratio), format);
    image.setDevicePixelRatio(ratio > 0 ? ratio : 1);
    return image;
}
