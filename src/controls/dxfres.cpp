#include "controls/dxfres.h"

#include "desktop/devicepixels.h"

#include <algorithm>

namespace {

QImage gDrawBmp;

} // namespace

QImage& DrawBmp()
{
    return gDrawBmp;
}

void EnlargeDrawBmp(int width, int height, qreal ratio)
{
    // Sizes are in device pixels; the ratio is the painting control's, set at every call.
    const QSize needed = DeviceSize(QSize(width, height), ratio);
    const int newWidth = std::max(needed.width(), gDrawBmp.width());
    const int newHeight = std::max(needed.height(), gDrawBmp.height());
    if (newWidth != gDrawBmp.width() || newHeight != gDrawBmp.height()) {
        // The old picture is not kept: every paint fills the whole bitmap first.
        gDrawBmp = QImage(newWidth, newHeight, QImage::Format_RGB32);
    }
    gDrawBmp.setDevicePixelRatio(ratio);
}
