#include "controls/dxfres.h"

#include <algorithm>

namespace {

QImage gDrawBmp;

} // namespace

QImage& DrawBmp()
{
    return gDrawBmp;
}

void EnlargeDrawBmp(int width, int height)
{
    const int newWidth = std::max(width, gDrawBmp.width());
    const int newHeight = std::max(height, gDrawBmp.height());
    if (newWidth == gDrawBmp.width() && newHeight == gDrawBmp.height())
        return;
    // The old picture is not kept: every paint fills the whole bitmap first.
    gDrawBmp = QImage(newWidth, newHeight, QImage::Format_RGB32);
}
