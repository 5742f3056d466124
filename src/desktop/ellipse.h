#pragma once

#include "desktop/rect.h"

#include <QImage>
#include <QRegion>

// Filled ellipses and elliptic regions with exact, antialiasing-free pixels. The ellipse
// is the one inscribed in box; as with every rectangle of the layout, the right and bottom
// edges lie just outside it.

// Fills the ellipse with one colour, outline included, clipped to the image, which must
// hold 32-bit pixels (other images are left alone). A box with
// no width or no height still marks one pixel across, the way a one-pixel pen would, so a
// shrinking series of ellipses ends in a dot rather than in nothing.
void FillEllipse(QImage& image, const TRect& box, QRgb color);

// The pixels of the same ellipse as a region, for window shapes; an empty box gives an
// empty region.
QRegion EllipseRegion(const TRect& box);
