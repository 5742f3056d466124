#pragma once

#include <QImage>
#include <QPainter>

// What a control paints, on an image of its size that first shows the colour beneath it.
template <class Control>
QImage Render(Control& control, QRgb beneath)
{
    QImage image(control.size(), QImage::Format_RGB32);
    image.fill(beneath);
    QPainter painter(&image);
    control.Paint(painter);
    return image;
}
