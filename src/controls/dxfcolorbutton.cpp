#include "controls/dxfcolorbutton.h"

#include "controls/buttonpressed.h"
#include "desktop/accessibility.h"
#include "desktop/colorkeycopy.h"
#include "desktop/devicepixels.h"
#include "desktop/ellipse.h"
#include "desktop/textdraw.h"

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
    NotifyAccessibleName(this);
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
    FDown = down;
    SetDrawDown(down);
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
    FTransparentGlyph = GlyphWithoutBackground(glyph);
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
    // The sphere is shaded over the device pixels, so a finer screen gets a finer sphere.
    FUpBmp = OffscreenImage(size(), FBmpRatio);
    PaintToBmp(FUpBmp, false);
    FDownBmp = OffscreenImage(size(), FBmpRatio);
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
    const qreal ratio = PaintRatio(canvas);
    if (ratio != FBmpRatio || FUpBmp.size() != DeviceSize(size(), ratio)) {
        FBmpRatio = ratio;
        CreateBitmaps();
    }
    const QImage& face = FDrawDown ? FDownBmp : FUpBmp;
    if (!face.isNull())
        canvas.drawImage(0, 0, face);
    DrawCaption(canvas);
}

TdxfCaptionPlacement LayoutCaption(QSize control, QSize glyph, const std::vector<int>& lineWidths, int lineHeight,
                                   TdxfButtonLayout layout, bool down)
{
    const int w = control.width();
    const int h = control.height();
    const int textHeight = int(lineWidths.size()) * lineHeight;
    const int textWidth = lineWidths.empty() ? 0 : *std::max_element(lineWidths.begin(), lineWidths.end());
    const int glyphWidth = glyph.width();
    const int glyphHeight = glyph.height();
    const int spacing = glyphWidth > 0 && textWidth > 0 ? kGlyphSpacing : 0;

    QPoint glyphAt;
    QPoint textAt;
    switch (layout) {
    case TdxfButtonLayout::dxfGlyphLeft:
        glyphAt = {(w - glyphWidth - spacing - textWidth) / 2, (h - glyphHeight) / 2};
        textAt = {glyphAt.x() + glyphWidth + spacing, (h - textHeight) / 2};
        break;
    case TdxfButtonLayout::dxfGlyphRight:
        textAt = {(w - glyphWidth - spacing - textWidth) / 2, (h - textHeight) / 2};
        glyphAt = {textAt.x() + textWidth + spacing, (h - glyphHeight) / 2};
        break;
    case TdxfButtonLayout::dxfGlyphTop:
        glyphAt = {(w - glyphWidth) / 2, (h - glyphHeight - textHeight - spacing) / 2};
        textAt = {(w - textWidth) / 2, glyphAt.y() + glyphHeight + spacing};
        break;
    case TdxfButtonLayout::dxfGlyphBottom:
        textAt = {(w - textWidth) / 2, (h - glyphHeight - textHeight - spacing) / 2};
        glyphAt = {(w - glyphWidth) / 2, textAt.y() + textHeight + spacing};
        break;
    }
    const QPoint press = down ? QPoint(1, 1) : QPoint();

    TdxfCaptionPlacement placement;
    placement.Glyph = glyphAt + press;
    // Lines line up on the side away from the glyph, and centre when it is above or below.
    for (std::size_t j = 0; j < lineWidths.size(); ++j) {
        int indent = 0;
        if (layout == TdxfButtonLayout::dxfGlyphRight)
            indent = textWidth - lineWidths[j];
        else if (layout == TdxfButtonLayout::dxfGlyphTop || layout == TdxfButtonLayout::dxfGlyphBottom)
            indent = (textWidth - lineWidths[j]) / 2;
        placement.Lines.push_back(textAt + QPoint(indent, int(j) * lineHeight) + press);
    }
    return placement;
}

void TdxfColorButton::DrawCaption(QPainter& canvas)
{
    QFont face = font();
    face.setStyleStrategy(QFont::NoAntialias);
    canvas.setFont(face);
    canvas.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(face);

    std::vector<int> lineWidths;
    for (const QString& line : FCaption)
        lineWidths.push_back(TextWidth(face, line));
    const TdxfCaptionPlacement placement =
        LayoutCaption(size(), FGlyph.size(), lineWidths, LineHeight(face), FLayout, FDrawDown);

    if (!FTransparentGlyph.isNull())
        canvas.drawImage(placement.Glyph, FTransparentGlyph);
    for (int j = 0; j < FCaption.size(); ++j)
        DrawCaptionLine(canvas, FCaption[j], placement.Lines[std::size_t(j)] + QPoint(0, metrics.ascent()));
}

void TdxfColorButton::DrawCaptionLine(QPainter& canvas, const QString& line, const QPoint& baseline) const
{
    if (isEnabled()) {
        canvas.setPen(ToQColor(FFontColor));
        canvas.drawText(baseline, line);
        return;
    }
    // Embossed: a highlight copy one pixel down and right, the shadow copy over it.
    canvas.setPen(ToQColor(clBtnHighlight));
    canvas.drawText(baseline + QPoint(1, 1), line);
    canvas.setPen(ToQColor(clBtnShadow));
    canvas.drawText(baseline, line);
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
    if (groupIndex != FGroupIndex || button == this)
        return;
    // A member that tells its state is followed in AllowAllUp, and gives way only when it
    // went down, not when it was merely released or regrouped.
    if (const TGroupButton* sender = GroupButtonOf(button)) {
        FAllowAllUp = sender->AllowAllUp();
        if (!sender->Down())
            return;
    }
    // The face shown decides, not Down: a member showing its pressed face gives way.
    if (!FDrawDown)
        return;
    FDown = false;
    FMouseDown = false;
    SetDrawDown(false);
}

void TdxfColorButton::SetDrawDown(bool drawDown)
{
    if (drawDown == FDrawDown)
        return;
    FDrawDown = drawDown;
    update();
    NotifyPressedChanged();
}

void TdxfColorButton::NotifyPressedChanged()
{
    QAccessible::State pressed;
    pressed.pressed = true;
    NotifyAccessibleState(this, pressed);
}

// A key holds the button wherever the pointer is.
void TdxfColorButton::CMMouseEnter()
{
    FMouseOver = true;
    SetDrawDown(FDown || FMouseDown || FKeyDown);
}

void TdxfColorButton::CMMouseLeave()
{
    FMouseOver = false;
    SetDrawDown((FGroupIndex != 0 && FDown) || FKeyDown);
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
        // A disabled button hears no release, so no mouse button holds it any more; else
        // a release lost that way would keep refusing the key.
        if (!isEnabled())
            FMouseHeld = {};
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
    const std::optional<TMouseAction> action = MouseActionOf(event);
    if (!action)
        return;
    if (FKeyDown) {
        FMouseRefused |= event.button();
        return;
    }
    FMouseHeld |= event.button();
    const bool left = action->button == TMouseButton::mbLeft;
    if (left) {
        TrackPointer({action->x, action->y});
        if (!doubleClick)
            FClickPending = true;
        else if (OnDblClick)
            OnDblClick(this);
    }
    if (OnMouseDown)
        OnMouseDown(this, action->button, action->shift, action->x, action->y);
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
    const std::optional<TMouseAction> action = MouseActionOf(*event);
    if (!action)
        return;
    if (FMouseRefused.testFlag(event->button())) {
        FMouseRefused.setFlag(event->button(), false);
        return;
    }
    // Released before the owner hears of it, so a press during its handler is a new one.
    FMouseHeld.setFlag(event->button(), false);
    const QPoint position(action->x, action->y);
    const bool left = action->button == TMouseButton::mbLeft;
    if (left) {
        TrackPointer(position);
        if (FClickPending) {
            FClickPending = false;
            if (rect().contains(position))
                Click();
        }
    }
    if (OnMouseUp)
        OnMouseUp(this, action->button, action->shift, action->x, action->y);
    if (left)
        LeftReleased(FMouseOver, FMouseDown);
}

bool TdxfColorButton::KeyDown()
{
    if (!isEnabled() || FMouseHeld)
        return false;
    FKeyDown = true;
    if (OnMouseDown)
        OnMouseDown(this, TMouseButton::mbLeft, TShiftFlag::ssLeft, width() / 2, height() / 2);
    if (isEnabled() && !FDown)
        SetDrawDown(true);
    return true;
}

bool TdxfColorButton::KeyUp()
{
    if (!FKeyDown)
        return false;
    FKeyDown = false;
    // A disabled button hears no release, as with the mouse, but the press is over.
    if (!isEnabled()) {
        SetDrawDown(FGroupIndex != 0 && FDown);
        return false;
    }
    Click();
    if (OnMouseUp)
        OnMouseUp(this, TMouseButton::mbLeft, {}, width() / 2, height() / 2);
    LeftReleased(true, true);
    return true;
}

void TdxfColorButton::LeftPressed()
{
    if (!isEnabled() || FDown)
        return;
    const bool wasDrawDown = FDrawDown;
    FDrawDown = true;
    FMouseDown = true;
    update();
    if (!wasDrawDown)
        NotifyPressedChanged();
}

void TdxfColorButton::LeftReleased(bool over, bool pressed)
{
    // Judged against the face shown when the owner's handler returned.
    const bool wasDrawDown = FDrawDown;
    bool latched = false;
    if (FGroupIndex == 0 || (over && isEnabled() && FDown && FAllowAllUp)) {
        FDown = false;
        FDrawDown = false;
    } else if (over && isEnabled() && pressed && !FDown) {
        FDown = true;
        FDrawDown = true;
        latched = true;
    } else {
        // A press that did not complete leaves the latch as it was.
        FDrawDown = FDown;
    }
    // The press is over whatever the outcome.
    FMouseDown = false;
    if (FDrawDown != wasDrawDown) {
        update();
        NotifyPressedChanged();
    }
    if (latched)
        UpdateExclusive();
}
