#include "controls/dxflabel.h"

#include "controls/dxfres.h"
#include "desktop/colorkeycopy.h"
#include "desktop/devicepixels.h"
#include "desktop/fontkind.h"
#include "desktop/fonts.h"
#include "desktop/messagebox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <optional>

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr int kFullTurn = 360;
constexpr int kRaisedShadowMinPoints = 12;

const QString kAngleNeedsOutlineFont = QStringLiteral("The Angle property is applicable for the TrueType fonts only");

// Nearest integer, ties to the even neighbour, whatever the floating-point rounding mode.
int RoundHalfEven(long double value)
{
    const long double below = std::floor(value);
    const long double fraction = value - below;
    if (fraction > 0.5L)
        return int(below) + 1;
    if (fraction < 0.5L)
        return int(below);
    return std::fmod(below, 2.0L) == 0 ? int(below) : int(below) + 1;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

// The caption in one font, turned about its top-left corner, drawn at any point of a
// bitmap. Its outline is built once and reused for the outline face and the glyph clip.
class TdxfLabel::TTurnedCaption {
public:
    TTurnedCaption(QPainter& painter, const QString& text, const QFont& font, qreal degrees)
        : FPainter(painter), FText(text), FFont(font), FDegrees(degrees), FAscent(QFontMetrics(font).ascent())
    {
        FPainter.setFont(FFont);
    }

    void Fill(const QPoint& at, const QColor& color)
    {
        FPainter.setTransform(Placement(at));
        FPainter.setPen(color);
        FPainter.drawText(QPointF(0, FAscent), FText);
        FPainter.resetTransform();
    }

    void Stroke(const QPoint& at, const QColor& color, int penWidth)
    {
        FPainter.setTransform(Placement(at));
        // A negative width means nothing to the painter; the thinnest line is meant.
        FPainter.strokePath(Outline(), QPen(color, qMax(0, penWidth)));
        FPainter.resetTransform();
    }

    void ClipTo(const QPoint& at)
    {
        FPainter.setTransform(Placement(at));
        FPainter.setClipPath(Outline());
        FPainter.resetTransform();
    }

private:
    QTransform Placement(const QPoint& at) const
    {
        QTransform placement;
        placement.translate(at.x(), at.y());
        placement.rotate(-FDegrees);
        return placement;
    }

    const QPainterPath& Outline()
    {
        if (!FOutline) {
            FOutline.emplace();
            FOutline->addText(QPointF(0, FAscent), FFont, FText);
        }
        return *FOutline;
    }

    QPainter& FPainter;
    QString FText;
    QFont FFont;
    qreal FDegrees = 0;
    int FAscent = 0;
    std::optional<QPainterPath> FOutline;
};

QPoint EffectOffset(TdxfOrientation orientation, int depth)
{
    switch (orientation) {
    case TdxfOrientation::dxfLeft: return {-depth, 0};
    case TdxfOrientation::dxfRight: return {depth, 0};
    case TdxfOrientation::dxfTop: return {0, -depth};
    case TdxfOrientation::dxfBottom: return {0, depth};
    case TdxfOrientation::dxfLeftTop: return {-depth, -depth};
    case TdxfOrientation::dxfLeftBottom: return {-depth, depth};
    case TdxfOrientation::dxfRightTop: return {depth, -depth};
    case TdxfOrientation::dxfRightBottom: return {depth, depth};
    }
    return {};
}

TColor GetColor(TColor first, TColor second, int step, int steps)
{
    // No way to go means staying at the start.
    if (steps == 0)
        return first & 0x00FFFFFF;
    const auto channel = [&](int shift) {
        const int from = int((first >> shift) & 0xFF);
        const int to = int((second >> shift) & 0xFF);
        const std::int32_t product = (to - from) * step;
        const long double value = static_cast<long double>(product) / steps + from;
        return std::uint8_t(int(value));
    };
    return RGB(channel(0), channel(8), channel(16));
}

void Tdxf3DEffect::SetStyle(TdxfEffectStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void Tdxf3DEffect::SetOrientation(TdxfOrientation orientation)
{
    if (orientation == FOrientation)
        return;
    FOrientation = orientation;
    Changed();
}

void Tdxf3DEffect::SetDepth(std::uint16_t depth)
{
    if (depth == FDepth)
        return;
    FDepth = depth;
    Changed();
}

void Tdxf3DEffect::SetShadowedColor(TColor color)
{
    if (color == FShadowedColor)
        return;
    FShadowedColor = color;
    Changed();
}

void Tdxf3DEffect::Assign(const Tdxf3DEffect& source)
{
    SetStyle(source.FStyle);
    SetOrientation(source.FOrientation);
    SetDepth(source.FDepth);
    SetShadowedColor(source.FShadowedColor);
}

void Tdxf3DEffect::Changed()
{
    if (FOwner)
        FOwner->update();
}

TdxfLabel::TdxfLabel(QWidget* parent) : TCustomLabel(parent), FEffect3D(std::make_unique<Tdxf3DEffect>(this))
{
    SetAutoSize(false);
    FEffect3D->SetOrientation(TdxfOrientation::dxfRightBottom);
    FEffect3D->SetShadowedColor(clGray);
    FEffect3D->SetStyle(TdxfEffectStyle::dxfCool);
    TCustomLabel::SetColor(ParentBackground());
    TransparentChanged();
}

TdxfLabel::~TdxfLabel() = default;

// An opaque label covers every pixel of its rectangle, so whatever lies beneath need not be
// painted first; the spinning banner repaints some seventy times in three seconds.
void TdxfLabel::TransparentChanged()
{
    setAttribute(Qt::WA_OpaquePaintEvent, !Transparent());
}

void TdxfLabel::SetStyle(TdxfLabelStyle style)
{
    FStyle = style;
    // A sunken face belongs on its parent's colour.
    if (FStyle == TdxfLabelStyle::dxfLowered)
        SetParentColor(true);
    update();
}

void TdxfLabel::SetAngle(int angle)
{
    if (angle != 0 && !IsOutlineFont(Face())) {
        MessageBoxes().Beep();
        MessageBoxes().Show(QGuiApplication::applicationDisplayName(), kAngleNeedsOutlineFont,
                            MessageBoxService::Icon::None);
        return;
    }
    if (angle == FAngle || angle < 0 || angle > kFullTurn)
        return;
    FAngle = angle;
    update();
}

int TdxfLabel::Escapement() const
{
    return ((FAngle % kFullTurn) + kFullTurn) % kFullTurn * 10;
}

void TdxfLabel::Set3DEffect(const Tdxf3DEffect* effect)
{
    if (effect && effect != FEffect3D.get())
        FEffect3D->Assign(*effect);
}

void TdxfLabel::SetGlyph(const QImage& glyph)
{
    FGlyph = glyph;
    update();
}

void TdxfLabel::SetPenWidth(int width)
{
    if (width == FPenWidth)
        return;
    FPenWidth = width;
    if (FStyle == TdxfLabelStyle::dxfOutLine)
        update();
}

void TdxfLabel::SetParentColor(bool parentColor)
{
    if (parentColor == FParentColor)
        return;
    FParentColor = parentColor;
    if (FParentColor)
        TCustomLabel::SetColor(ParentBackground());
}

void TdxfLabel::SetColor(TColor color)
{
    FParentColor = false;
    TCustomLabel::SetColor(color);
}

int TdxfLabel::FontSize() const
{
    const QFont current = font();
    return current.pixelSize() > 0 ? FontPointsFromHeight(current.pixelSize()) : current.pointSize();
}

void TdxfLabel::SetFontSize(int points)
{
    const int height = FontHeightFromPoints(points);
    if (height < 1)
        return;
    QFont resized = font();
    resized.setPixelSize(height);
    setFont(resized);
}

QPoint TdxfLabel::TextOrigin(int centreX, int centreY, int width, int height, int angle)
{
    const long double radians = angle * kPi / 180;
    const long double cosine = std::cos(radians);
    const long double sine = std::sin(radians);
    const long double halfWidth = width / 2.0L;
    const long double halfHeight = height / 2.0L;
    return {centreX - RoundHalfEven(cosine * halfWidth) - RoundHalfEven(sine * halfHeight),
            centreY + RoundHalfEven(sine * halfWidth) - RoundHalfEven(cosine * halfHeight)};
}

void TdxfLabel::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Paint(canvas);
}

void TdxfLabel::resizeEvent(QResizeEvent* event)
{
    update();
    TCustomLabel::resizeEvent(event);
}

void TdxfLabel::changeEvent(QEvent* event)
{
    if (FParentColor && (event->type() == QEvent::ParentChange || event->type() == QEvent::PaletteChange))
        TCustomLabel::SetColor(ParentBackground());
    TCustomLabel::changeEvent(event);
}

TColor TdxfLabel::ParentBackground() const
{
    // A container without a colour of its own shows whatever lies behind it.
    for (const QWidget* behind = parentWidget(); behind; behind = behind->parentWidget()) {
        const QPalette& palette = behind->palette();
        if (palette.isBrushSet(QPalette::Active, behind->backgroundRole()))
            return FromQColor(palette.color(QPalette::Active, behind->backgroundRole()));
        if (behind->autoFillBackground() || behind->isWindow())
            break;
    }
    return clBtnFace;
}

QFont TdxfLabel::Face() const
{
    QFont face = font();
    face.setStyleStrategy(QFont::NoAntialias);
    return face;
}

void TdxfLabel::Paint(QPainter& canvas)
{
    const int w = width();
    const int h = height();
    if (w < 1 || h < 1)
        return;
    const qreal ratio = PaintRatio(canvas);
    EnlargeDrawBmp(w, h, ratio);
    QImage& bitmap = DrawBmp();
    const TColor background = Color();

    const QFont face = Face();
    const QString caption = Caption();
    const QFontMetrics metrics(face);
    const QPoint origin = TextOrigin(w / 2, h / 2, metrics.horizontalAdvance(caption), metrics.height(), FAngle);
    {
        QPainter surface(&bitmap);
        surface.setRenderHint(QPainter::Antialiasing, false);
        surface.setRenderHint(QPainter::TextAntialiasing, false);
        surface.fillRect(QRectF(QPointF(0, 0), bitmap.deviceIndependentSize()), ToQColor(background));
        surface.setBrush(Qt::NoBrush);
        TTurnedCaption text(surface, caption, face, Escapement() / 10.0);
        const bool outlineFont = IsOutlineFont(face);
        DrawEffectCopies(text, origin);
        DrawFace(text, origin, outlineFont);
        if (outlineFont && !FGlyph.isNull())
            FillWithGlyph(surface, text, origin);
    }

    // In the bitmap's own device pixels.
    const QRect client(QPoint(0, 0), DeviceSize(QSize(w, h), ratio));
    if (Transparent())
        DrawImageExceptColor(canvas, QPoint(0, 0), bitmap, client, background);
    else
        canvas.drawImage(QPoint(0, 0), bitmap, client);
}

void TdxfLabel::DrawEffectCopies(TTurnedCaption& text, const QPoint& origin) const
{
    const int depth = FEffect3D->Depth();
    if (depth <= 0)
        return;
    const QPoint full = EffectOffset(FEffect3D->Orientation(), depth);
    const QPoint unit(Sign(full.x()), Sign(full.y()));
    // Resolved so that the copy next to the face really has the shadow colour.
    const TColor shadow = ColorToRGB(FEffect3D->ShadowedColor());
    switch (FEffect3D->Style()) {
    case TdxfEffectStyle::dxfCool: text.Fill(origin + full, ToQColor(shadow)); break;
    case TdxfEffectStyle::dxfExtrude:
        for (int k = depth; k >= 1; --k)
            text.Fill(origin + unit * k, ToQColor(shadow));
        break;
    case TdxfEffectStyle::dxfFun: {
        const TColor base = IsSystemColor(Color()) ? clSilver : Color();
        for (int k = depth; k >= 1; --k)
            text.Fill(origin + unit * k, ToQColor(GetColor(shadow, base, k - 1, depth)));
        break;
    }
    }
}

// A face that a glyph fills later is left out here: only its raised or sunken copies show.
void TdxfLabel::DrawFace(TTurnedCaption& text, const QPoint& origin, bool outlineFont) const
{
    const bool glyphFill = outlineFont && !FGlyph.isNull();
    const QColor fontColor = ToQColor(FontColor());
    switch (FStyle) {
    case TdxfLabelStyle::dxfNormal:
        if (!glyphFill)
            text.Fill(origin, fontColor);
        break;
    case TdxfLabelStyle::dxfRaised:
        text.Fill(origin, ToQColor(clBtnHighlight));
        if (FontSize() >= kRaisedShadowMinPoints)
            text.Fill(origin + QPoint(2, 2), ToQColor(clBtnShadow));
        if (!glyphFill)
            text.Fill(origin + QPoint(1, 1), fontColor);
        break;
    case TdxfLabelStyle::dxfLowered: {
        text.Fill(origin + QPoint(2, 2), ToQColor(clBtnHighlight));
        const TColor faceColor = IsSystemColor(Color()) ? clBtnShadow : GetColor(Color(), clBlack, 1, 3);
        if (!glyphFill)
            text.Fill(origin + QPoint(1, 1), ToQColor(faceColor));
        break;
    }
    case TdxfLabelStyle::dxfOutLine:
        if (outlineFont)
            text.Stroke(origin, fontColor, FPenWidth);
        else
            text.Fill(origin, fontColor);
        break;
    }
}

void TdxfLabel::FillWithGlyph(QPainter& surface, TTurnedCaption& text, const QPoint& origin) const
{
    text.ClipTo(FStyle == TdxfLabelStyle::dxfNormal ? origin : origin + QPoint(1, 1));
    for (int x = 0; x < width(); x += FGlyph.width())
        for (int y = 0; y < height(); y += FGlyph.height())
            surface.drawImage(x, y, FGlyph);
    surface.setClipping(false);
}
