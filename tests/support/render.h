#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

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

// Colour changes between neighbouring pixels, counted for the phase of the pixel they begin
// at (x or y modulo period), fewest over all phases. A picture scaled up from one device
// pixel per pixel by a ratio of period/n changes colour only at some phases: 0 here means
// blown up, not drawn at the finer resolution.
inline int FewestEdgesOverPhases(const QImage& image, int period)
{
    std::vector<int> edges(size_t(period), 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (x + 1 < image.width() && image.pixel(x, y) != image.pixel(x + 1, y))
                ++edges[size_t(x % period)];
            if (y + 1 < image.height() && image.pixel(x, y) != image.pixel(x, y + 1))
                ++edges[size_t(y % period)];
        }
    return *std::min_element(edges.begin(), edges.end());
}
