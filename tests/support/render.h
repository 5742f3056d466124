#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <set>
#include <utility>

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

using PixelSet = std::set<std::pair<int, int>>;

// Where an image shows exactly this colour, moved by shift.
inline PixelSet PixelsOf(const QImage& image, QRgb colour, QPoint shift = {})
{
    PixelSet pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                pixels.insert({x + shift.x(), y + shift.y()});
    return pixels;
}
