#include "platform/pixelrows.h"

#include <QPaintEngine>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cstring>

namespace {

constexpr QRgb kOpaque = 0xFF000000u;

// The rows of a 32-bit image, found once: scanLine() would check for sharing on every row.
class TRows {
public:
    explicit TRows(QImage& image) : FBits(image.bits()), FStride(image.bytesPerLine()) {}
    QRgb* operator[](int y) const { return reinterpret_cast<QRgb*>(FBits + y * FStride); }

private:
    uchar* FBits;
    qsizetype FStride;
};

// Where an unsmoothed scaled draw of `count` source pixels over `length` target pixels from
// `start` reads its first source pixel for target pixel `first`, and how far it moves per target
// pixel: both in 16.16 fixed point, worked out as the painter works them out, so that every
// pixel picks the same source pixel.
struct TSampling {
    quint32 first;
    quint32 step;
};

TSampling Sampling(int count, int start, int length, int first)
{
    const qreal scale = qreal(count) / qreal(length);
    const int step = int(0x00010000 * scale);
    const int offset = qCeil((first + qreal(0.5) - start) * scale * 65536) - 1;
    return {quint32(offset), quint32(step)};
}

} // namespace

QImage* PlainRows(QPainter& canvas)
{
    if (!canvas.isActive())
        return nullptr;
    QPaintDevice* device = canvas.device();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    // The painter stretches pictures onto other 32-bit formats with other sampling. An image
    // being painted on is not shared: copies taken meanwhile are deep ones.
    const QImage::Format format = image->format();
    if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
        image->devicePixelRatio() != 1)
        return nullptr;
    if (canvas.deviceTransform().type() != QTransform::TxNone || canvas.hasClipping() || canvas.opacity() < 1 ||
        canvas.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    // Smoothing hints may take the painter down other sampling paths.
    if (canvas.testRenderHint(QPainter::Antialiasing) || canvas.testRenderHint(QPainter::SmoothPixmapTransform))
        return nullptr;
    const QPaintEngine* engine = canvas.paintEngine();
    if (!engine || !engine->systemClip().isEmpty())
        return nullptr;
    return image;
}

void FillRows(QImage& image, const QRect& area, QRgb colour)
{
    const QRect inside = area.intersected(image.rect());
    if (inside.isEmpty())
        return;
    const QRgb pixel = kOpaque | colour;
    const TRows rows(image);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        std::fill_n(rows[y] + inside.left(), inside.width(), pixel);
}

namespace {

// Held as 8-bit RGB already, so its pixel is exactly what the painter would write.
bool IsPlainOpaqueRgb(const QColor& colour)
{
    return colour.isValid() && colour.alpha() == 255 && colour == colour.toRgb();
}

} // namespace

TAreaFiller::TAreaFiller(QPainter& canvas) : FCanvas(canvas), FRows(PlainRows(canvas)) {}

void TAreaFiller::Fill(const QRect& area, const QColor& colour)
{
    // Colours held as anything but plain RGB, or with alpha, are left to the painter's own
    // conversion and blending.
    if (FRows && IsPlainOpaqueRgb(colour))
        FillRows(*FRows, area, colour.rgb());
    else
        FCanvas.fillRect(area, colour);
}

void FillArea(QPainter& canvas, const QRect& area, const QColor& colour)
{
    TAreaFiller(canvas).Fill(area, colour);
}

void StretchRowsFromSteps(QImage& image, const QRect& area, std::span<const QRgb> steps, Qt::Orientation run)
{
    const QRect inside = area.intersected(image.rect());
    if (inside.isEmpty() || steps.empty())
        return;
    const int count = int(steps.size());
    const TRows rows(image);
    if (run == Qt::Horizontal) {
        // Every row is the same: work out the first, copy it to the others.
        const TSampling across = Sampling(count, area.left(), area.width(), inside.left());
        QRgb* first = rows[inside.top()] + inside.left();
        quint32 at = across.first;
        for (int x = 0; x < inside.width(); ++x, at += across.step)
            first[x] = kOpaque | steps[at >> 16];
        for (int y = inside.top() + 1; y <= inside.bottom(); ++y)
            std::memcpy(rows[y] + inside.left(), first, size_t(inside.width()) * sizeof(QRgb));
        return;
    }
    // Every row is one colour.
    const TSampling down = Sampling(count, area.top(), area.height(), inside.top());
    quint32 at = down.first;
    for (int y = inside.top(); y <= inside.bottom(); ++y, at += down.step)
        std::fill_n(rows[y] + inside.left(), inside.width(), kOpaque | steps[at >> 16]);
}

void StretchSteps(QPainter& canvas, const QRect& area, std::span<const QRgb> steps, Qt::Orientation run)
{
    if (steps.empty())
        return;
    if (QImage* rows = PlainRows(canvas)) {
        StretchRowsFromSteps(*rows, area, steps, run);
        return;
    }
    const int count = int(steps.size());
    const bool down = run == Qt::Vertical;
    const QImage ramp(reinterpret_cast<const uchar*>(steps.data()), down ? 1 : count, down ? count : 1,
                      qsizetype(down ? 1 : count) * qsizetype(sizeof(QRgb)), QImage::Format_RGB32);
    canvas.drawImage(area, ramp);
}
