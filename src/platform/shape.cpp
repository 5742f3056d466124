#include "platform/shape.h"

#include <QPainter>

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
    canvas.setPen(QPen(ToQColor(FPenColor), 0));
    switch (FBrushStyle) {
    case TBrushStyle::bsSolid: canvas.setBrush(ToQColor(FBrushColor)); break;
    case TBrushStyle::bsClear: canvas.setBrush(Qt::NoBrush); break;
    case TBrushStyle::bsHorizontal: canvas.setBrush(QBrush(ToQColor(FBrushColor), Qt::HorPattern)); break;
    }
    canvas.setBackgroundMode(Qt::TransparentMode);
    const QRect bounds(x, y, w - 1, h - 1);
    if (FShape == TShapeType::stRectangle)
        canvas.drawRect(bounds);
    else
        canvas.drawEllipse(bounds);
}
