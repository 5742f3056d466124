#include "controls/dxfcolorbutton.h"

#include "controls/buttonpressed.h"
#include "platform/ellipse.h"
#include "platform/textdraw.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultWidth = 100;
constexpr int kDefaultHeight = 40;
constexpr int kGlyphSpacing = 4;

// The face's rim colour: each channel darkened to three fifths.
constexpr int Darken(int channel)
{
    return 3 * channel / 5;
}

// Step k of n from the rim colour towards white. The operands are never negative, so
// integer division gives exactly the truncated real quotient. With no steps at all
// (a face too small to shade) the rim colour is all there is.
QRgb Shade(TColor base, int k, int n)
{
    const auto channel = [k, n](int b) { return n > 0 ? b + k * (255 - b) / n : b; };
    return qRgb(channel(GetRValue(base)), channel(GetGValue(base)), channel(GetBValue(base)));
}

// a·i/r truncated, and rounded up, for the non-negative values of the face loops; a
// radius of 0 leaves every ellipse at its starting box instead of dividing by zero.
int FloorScaled(int a, int i, int r)
{
    return r > 0 ? a * i / r : 0;
}

int CeilScaled(int a, int i, int r)
{
    return r > 0 ? (a * i + r - 1) / r : 0;
}

int HalfDiagonal(int width, int height)
{
    const int halfWidth = width / 2;
    const int halfHeight = height / 2;
    return int(std::sqrt(double(halfWidth * halfWidth + halfHeight * halfHeight)));
}

// The glyph with its bottom-left colour cut out.
QImage TransparentCopy(const QImage& glyph)
{
    if (glyph.isNull())
        return {};
    QImage image = glyph.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1) & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
    }
    return image;
}

} // namespace

TdxfColorButton::TdxfColorButton(QWidget* parent) : QWidget(parent)
{
    // Paint covers every pixel, so nothing is erased first and repaints do not flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(kDefaultWidth, kDefaultHeight);
    // A hidden widget hears of its size only when shown; the faces are wanted at once.
    CreateBitmaps();
    SetRegion();
}

void TdxfColorButton::SetAllowAllUp(bool allowAllUp)
{
    FAllowAllUp = allowAllUp;
}

void TdxfColorButton::SetCaption(const QStringList& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    update();
}

void TdxfColorButton::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    CreateBitmaps();
    update();
}

void TdxfColorButton::SetDown(bool down)
{
    // Only a grouped button latches.
    if (FGroupIndex == 0)
        down = false;
    if (down == FDrawDown)
        return;
    FDrawDown = down;
    FDown = down;
    update();
    if (down)
        UpdateExclusive();
}

void TdxfColorButton::SetFontColor(TColor color)
{
    if (color == FFontColor)
        return;
    FFontColor = color;
    update();
}

void TdxfColorButton::SetGlyph(const QImage& glyph)
{
    if (glyph == FGlyph)
        return;
    FGlyph = glyph;
    FTransparentGlyph = TransparentCopy(glyph);
    update();
}

void TdxfColorButton::SetGroupIndex(int groupIndex)
{
    FGroupIndex = groupIndex;
}

void TdxfColorButton::SetLayout(TdxfButtonLayout layout)
{
    if (layout == FLayout)
        return;
    FLayout = layout;
    update();
}

void TdxfColorButton::CreateBitmaps()
{
    FUpBmp = QImage(size(), QImage::Format_RGB32);
    PaintToBmp(FUpBmp, false);
    FDownBmp = QImage(size(), QImage::Format_RGB32);
    PaintToBmp(FDownBmp, true);
}

void TdxfColorButton::PaintToBmp(QImage& bitmap, bool down) const
{
    if (bitmap.isNull())
        return;
    const int w = bitmap.width();
    const int h = bitmap.height();
    // A system colour is resolved first, so the sphere follows the palette.
    const TColor rgb = ColorToRGB(FColor);
    const TColor base = RGB(Darken(GetRValue(rgb)), Darken(GetGValue(rgb)), Darken(GetBValue(rgb)));

    const int w10 = w / 10;
    const int h10 = h / 10;
    const int w5 = w / 5;
    const int h5 = h / 5;
    bitmap.fill(Shade(base, 0, 0));

    // The sphere: ellipses shrinking towards its highlight up and left of the centre.
    const int r = HalfDiagonal(w, h);
    const int d = 6 * r / 5;
    for (int i = 0; i <= r; ++i) {
        const TRect box{FloorScaled(w5, i, r), FloorScaled(h5, i, r), w - CeilScaled(w - w5, i, r),
                        h - CeilScaled(h - h5, i, r)};
        FillEllipse(bitmap, box, Shade(base, i, d));
        if (down && box.Left > 3 * w10 && box.Top > 3 * h10)
            break;
    }
    if (!down)
        return;

    // The pressed dish, inset by a tenth and lit from the opposite side.
    const int w2 = w - 2 * w10;
    const int h2 = h - 2 * h10;
    const int w52 = w2 / 5;
    const int h52 = h2 / 5;
    const int r2 = HalfDiagonal(w2, h2);
    const int d2 = 6 * r2 / 5;
    for (int i = 0; i <= r2; ++i) {
        const TRect box{w10 + FloorScaled(w2 - w52, i, r2), h10 + FloorScaled(h2 - h52, i, r2),
                        w10 + w2 - FloorScaled(w52, i, r2), h10 + h2 - FloorScaled(h52, i, r2)};
        FillEllipse(bitmap, box, Shade(base, i, d2));
    }
}

void TdxfColorButton::SetRegion()
{
    // One pixel larger than the control on every side, so the ellipse's rim is kept whole.
    // The shape stays whatever the visibility: a hidden widget shows nothing anyway, and
    // a shown one must never lose its shape.
    setMask(EllipseRegion({-1, -1, width() + 1, height() + 1}));
}

void TdxfColorButton::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Paint(canvas);
}

void TdxfColorButton::Paint(QPainter& canvas)
{
    if (FUpBmp.size() != size())
        CreateBitmaps();
    const QImage& face = FDrawDown ? FDownBmp : FUpBmp;
    if (!face.isNull())
        canvas.drawImage(0, 0, face);
    DrawCaption(canvas);
}

void TdxfColorButton::DrawCaption(QPainter& canvas)
{
    QFont face = font();
    face.setStyleStrategy(QFont::NoAntialias);
    canvas.setFont(face);
    canvas.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(face);

    const int w = width();
    const int h = height();
    const int lineHeight = LineHeight(face);
    const int textHeight = int(FCaption.size()) * lineHeight;
    int textWidth = 0;
    for (const QString& line : FCaption)
        textWidth = std::max(textWidth, TextWidth(face, line));
    const int glyphWidth = FGlyph.width();
    const int glyphHeight = FGlyph.height();
    const int spacing = glyphWidth > 0 && textWidth > 0 ? kGlyphSpacing : 0;

    int glyphX = 0, glyphY = 0, textX = 0, textY = 0;
    switch (FLayout) {
    case TdxfButtonLayout::dxfGlyphLeft:
        glyphX = (w - glyphWidth - spacing - textWidth) / 2;
        glyphY = (h - glyphHeight) / 2;
        textX = glyphX + glyphWidth + spacing;
        textY = (h - textHeight) / 2;
        break;
    case TdxfButtonLayout::dxfGlyphRight:
        textX = (w - glyphWidth - spacing - textWidth) / 2;
        textY = (h - textHeight) / 2;
        glyphX = textX + textWidth + spacing;
        glyphY = (h - glyphHeight) / 2;
        break;
    case TdxfButtonLayout::dxfGlyphTop:
        glyphX = (w - glyphWidth) / 2;
        glyphY = (h - glyphHeight - textHeight - spacing) / 2;
        textX = (w - textWidth) / 2;
        textY = glyphY + glyphHeight + spacing;
        break;
    case TdxfButtonLayout::dxfGlyphBottom:
        textX = (w - textWidth) / 2;
        textY = (h - glyphHeight - textHeight - spacing) / 2;
        glyphX = (w - glyphWidth) / 2;
        glyphY = textY + textHeight + spacing;
        break;
    }
    if (FDrawDown) {
        ++glyphX;
        ++glyphY;
        ++textX;
        ++textY;
    }

    if (!FTransparentGlyph.isNull())
        canvas.drawImage(glyphX, glyphY, FTransparentGlyph);

    const bool enabled = isEnabled();
    for (int j = 0; j < FCaption.size(); ++j) {
        const QString& line = FCaption[j];
        int offset = 0;
        if (FLayout == TdxfButtonLayout::dxfGlyphRight)
            offset = textWidth - TextWidth(face, line);
        else if (FLayout == TdxfButtonLayout::dxfGlyphTop || FLayout == TdxfButtonLayout::dxfGlyphBottom)
            offset = (textWidth - TextWidth(face, line)) / 2;
        const int x = textX + offset;
        const int baseline = textY + j * lineHeight + metrics.ascent();
        if (enabled) {
            canvas.setPen(ToQColor(FFontColor));
            canvas.drawText(x, baseline, line);
        } else {
            canvas.setPen(ToQColor(clBtnHighlight));
            canvas.drawText(x + 1, baseline + 1, line);
            canvas.setPen(ToQColor(clBtnShadow));
            canvas.drawText(x, baseline, line);
        }
    }
}

void TdxfColorButton::Click()
{
    if (isEnabled() && OnClick)
        OnClick(this);
}

void TdxfColorButton::UpdateExclusive()
{
    if (FGroupIndex != 0 && parentWidget())
        BroadcastButtonPressed(parentWidget(), FGroupIndex, this);
}

void TdxfColorButton::CMButtonPressed(int groupIndex, QObject* button)
{
    // The face shown decides, not Down: a member showing its pressed face gives way.
    if (groupIndex != FGroupIndex || button == this || !FDrawDown)
        return;
    FDown = false;
    FDrawDown = false;
    FMouseDown = false;
    update();
}

void TdxfColorButton::SetDrawDown(bool drawDown)
{
    if (drawDown == FDrawDown)
        return;
    FDrawDown = drawDown;
    update();
}

void TdxfColorButton::CMMouseEnter()
{
    FMouseOver = true;
    SetDrawDown(FDown || FMouseDown);
}

void TdxfColorButton::CMMouseLeave()
{
    FMouseOver = false;
    SetDrawDown(FGroupIndex != 0 && FDown);
}

bool TdxfColorButton::IsOverShape(const QPoint& position) const
{
    return rect().contains(position) && (mask().isEmpty() || mask().contains(position));
}

void TdxfColorButton::TrackPointer(const QPoint& position)
{
    const bool over = IsOverShape(position);
    if (over && !FMouseOver)
        CMMouseEnter();
    else if (!over && FMouseOver)
        CMMouseLeave();
}

void TdxfColorButton::resizeEvent(QResizeEvent*)
{
    CreateBitmaps();
    SetRegion();
}

void TdxfColorButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        CreateBitmaps();
        update();
    } else if (event->type() == QEvent::EnabledChange) {
        update();
    }
    QWidget::changeEvent(event);
}

void TdxfColorButton::customEvent(QEvent* event)
{
    if (event->type() == TButtonPressedEvent::kType) {
        const auto* pressed = static_cast<TButtonPressedEvent*>(event);
        CMButtonPressed(pressed->GroupIndex(), pressed->Button());
        return;
    }
    QWidget::customEvent(event);
}

void TdxfColorButton::enterEvent(QEnterEvent*)
{
    if (!FMouseOver)
        CMMouseEnter();
}

void TdxfColorButton::leaveEvent(QEvent*)
{
    if (FMouseOver)
        CMMouseLeave();
}

void TdxfColorButton::mousePressEvent(QMouseEvent* event)
{
    Press(*event, false);
}

void TdxfColorButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    Press(*event, true);
}

void TdxfColorButton::Press(const QMouseEvent& event, bool doubleClick)
{
    const std::optional<TMouseButton> button = MouseButtonOf(event);
    if (!button)
        return;
    const QPoint position = event.position().toPoint();
    const bool left = *button == TMouseButton::mbLeft;
    if (left) {
        TrackPointer(position);
        if (!doubleClick)
            FClickPending = true;
        else if (OnDblClick)
            OnDblClick(this);
    }
    TShiftState shift = ShiftStateOf(event);
    if (doubleClick)
        shift = shift | TShiftFlag::ssDouble;
    if (OnMouseDown)
        OnMouseDown(this, *button, shift, position.x(), position.y());
    if (left)
        LeftPressed();
}

void TdxfColorButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    TrackPointer(position);
    if (OnMouseMove)
        OnMouseMove(this, ShiftStateOf(*event), position.x(), position.y());
}

void TdxfColorButton::mouseReleaseEvent(QMouseEvent* event)
{
    const std::optional<TMouseButton> button = MouseButtonOf(*event);
    if (!button)
        return;
    const QPoint position = event->position().toPoint();
    const bool left = *button == TMouseButton::mbLeft;
    if (left) {
        TrackPointer(position);
        if (FClickPending) {
            FClickPending = false;
            if (rect().contains(position))
                Click();
        }
    }
    if (OnMouseUp)
        OnMouseUp(this, *button, ShiftStateOf(*event), position.x(), position.y());
    if (left)
        LeftReleased();
}

void TdxfColorButton::LeftPressed()
{
    if (!isEnabled() || FDown)
        return;
    FDrawDown = true;
    FMouseDown = true;
    update();
}

void TdxfColorButton::LeftReleased()
{
    // Judged against the face shown when the owner's handler returned.
    const bool wasDrawDown = FDrawDown;
    bool latched = false;
    if (FGroupIndex == 0) {
        FDown = false;
        FDrawDown = false;
    } else if (FMouseOver && isEnabled() && FMouseDown && !FDown) {
        FDown = true;
        FDrawDown = true;
        latched = true;
    } else if (FMouseOver && isEnabled() && FDown && FAllowAllUp) {
        FDown = false;
        FDrawDown = false;
    } else {
        // A press that did not complete leaves the latch as it was.
        FDrawDown = FDown;
    }
    // The press is over whatever the outcome.
    FMouseDown = false;
    if (FDrawDown != wasDrawDown)
        update();
    if (latched)
        UpdateExclusive();
}
