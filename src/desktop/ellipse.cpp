#include "desktop/ellipse.h"

#include <algorithm>
#include <cmath>

namespace {

// Calls row(y, left, right) for every pixel row of the ellipse, right exclusive. A pixel
// belongs to the ellipse when its centre does; each row keeps at least its middle pixel
// (two when the width is even) so the outline never breaks up at the top and bottom.
template <typename Row>
void ForEachEllipseRow(int left, int top, int width, int height, Row row)
{
    const double centreX = left + width / 2.0;
    const double centreY = top + height / 2.0;
    const double radiusX = width / 2.0;
    const double radiusY = height / 2.0;
    const int middleLeft = int(std::floor(centreX - 0.5));
    const int middleRight = int(std::ceil(centreX - 0.5));
    for (int y = top; y < top + height; ++y) {
        const double dy = (y + 0.5 - centreY) / radiusY;
        const double half = radiusX * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        const int first = std::min(int(std::ceil(centreX - half - 0.5)), middleLeft);
        const int last = std::max(int(std::floor(centreX + half - 0.5)), middleRight);
        row(y, std::max(first, left), std::min(last + 1, left + width));
    }
}

} // namespace

void FillEllipse(QImage& image, const TRect& box, QRgb color)
{
    if (image.depth() != 32)
        return;
    const int width = std::max(box.Width(), 1);
    const int height = std::max(box.Height(), 1);
    ForEachEllipseRow(box.Left, box.Top, width, height, [&](int y, int left, int right) {
        if (y < 0 || y >= image.height())
            return;
        left = std::max(left, 0);
        right = std::min(right, image.width());
        if (left >= right)
            return;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + left, line + right, color);
    });
}

QRegion EllipseRegion(const TRect& box)
{
    QRegion region;
    if (box.Width() <= 0 || box.Height() <= 0)
        return region;
    ForEachEllipseRow(box.Left, box.Top, box.Width(), box.Height(),
                      [&](int y, int left, int right) { region += QRect(left, y, right - left, 1); });
    return region;
}
