#include "desktop/shape.h"

#include "desktop/devicepixels.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

TShape::TShape(QWidget* parent) : QWidget(parent)
{
    resize(65, 65);
}

void TShape::SetShape(TShapeType shape)
{
    if (shape == FShape)
        return;
    FShape = shape;
    update();
}

void TShape::SetPenColor(TColor color)
{
    if (color == FPenColor)
        return;
    FPenColor = color;
    update();
}

void TShape::SetBrushColor(TColor color)
{
    if (color == FBrushColor)
        return;
    FBrushColor = color;
    update();
}

void TShape::SetBrushStyle(TBrushStyle style)
{
    if (style == FBrushStyle)
        return;
    FBrushStyle = style;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Paint(canvas);
}

void TShape::FillInside(QPainter& canvas, const QPainterPath& inside, const QBrush& brush, bool scaled) const
{
    if (!scaled || brush.style() != Qt::HorPattern) {
        canvas.fillPath(inside, brush);
        return;
    }
    // A pattern brush is laid out in device pixels; the hatch must keep the spacing of the
    // layout: one row in eight, the fourth, counted from the control's top.
    canvas.save();
    canvas.setClipPath(inside, Qt::IntersectClip);
    for (int row = 3; row < height(); row += 8)
        canvas.fillRect(0, row, width(), 1, brush.color());
    canvas.restore();
}

void TShape::Paint(QPainter& canvas)
{
    // A one-pixel pen inside the control's bounds; a circle is the largest one that fits, centred.
    int x = 0, y = 0, w = width(), h = height();
    if (FShape == TShapeType::stCircle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    if (w < 1 || h < 1)
        return;

    canvas.setRenderHint(QPainter::Antialiasing, false);
    QBrush brush(Qt::NoBrush);
    switch (FBrushStyle) {
    case TBrushStyle::bsSolid: brush = QBrush(ToQColor(FBrushColor)); break;
    case TBrushStyle::bsClear: break;
    case TBrushStyle::bsHorizontal: brush = QBrush(ToQColor(FBrushColor), Qt::HorPattern); break;
    }
    canvas.setBackgroundMode(Qt::TransparentMode);
    const QColor pen = ToQColor(FPenColor);
    const bool scaled = PaintRatio(canvas) != 1.0;
    if (FShape == TShapeType::stRectangle) {
        if (w > 2 && h > 2) {
            QPainterPath inside;
            inside.addRect(x + 1, y + 1, w - 2, h - 2);
            FillInside(canvas, inside, brush, scaled);
        }
        // Four one-pixel bands rather than a pen: a pen one device pixel wide can fall
        // between the rows of a scaled screen and vanish.
        canvas.fillRect(QRect(x, y, w, 1), pen);
        canvas.fillRect(QRect(x, y + h - 1, w, 1), pen);
        canvas.fillRect(QRect(x, y, 1, h), pen);
        canvas.fillRect(QRect(x + w - 1, y, 1, h), pen);
        return;
    }
    if (!scaled) {
        canvas.setPen(QPen(pen, 0));
        canvas.setBrush(brush);
        canvas.drawEllipse(QRect(x, y, w - 1, h - 1));
        return;
    }
    // On a scaled screen the outline is a ring one layout pixel wide, filled, so that it
    // stays whole at any ratio.
    const QRectF outer(x, y, w, h);
    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    QPainterPath inside;
    inside.addEllipse(inner);
    FillInside(canvas, inside, brush, scaled);
    QPainterPath ring;
    ring.addEllipse(outer);
    ring.addEllipse(inner);
    canvas.fillPath(ring, pen);
}
