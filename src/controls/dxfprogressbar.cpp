#include "controls/dxfprogressbar.h"

#include "desktop/accessibility.h"
#include "desktop/colorkeycopy.h"
#include "desktop/devicepixels.h"
#include "desktop/drawedge.h"
#include "desktop/fontkind.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <limits>

namespace {

constexpr int kDefaultWidth = 150;
constexpr int kDefaultHeight = 16;
// The bevel takes one pixel; the bar keeps one more pixel of background inside it.
constexpr int kBevelInset = 2;
// Span repainted beyond each fill end, so the bar's bevel is redrawn with it.
constexpr int kSpanMargin = 2;
constexpr int kBlockGap = 2;
// A glyph sits inside the outer bevel's inset on both sides.
constexpr int kGlyphFrame = 2 * kBevelInset;

unsigned EdgeOf(TdxfBevelOuter bevel)
{
    return bevel == TdxfBevelOuter::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER;
}

void DrawBevel(QPainter& surface, const TRect& rect, TdxfBevelOuter bevel)
{
    if (bevel == TdxfBevelOuter::bvNone)
        return;
    DrawEdge(surface, rect, EdgeOf(bevel), BF_TOPLEFT);
    DrawEdge(surface, rect, EdgeOf(bevel), BF_BOTTOMRIGHT);
}

// Integer quotient rounded to nearest with ties to even; d must be positive.
std::int64_t DivRoundHalfEven(std::int64_t n, std::int64_t d)
{
    std::int64_t q = n / d;
    std::int64_t r = n % d;
    if (r < 0) {
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && (q & 1) != 0))
        ++q;
    return q;
}

// trunc(begin + num * (end - begin) / den) per channel of two plain RGB colours,
// formed exactly in integers.
TColor GradientColor(TColor begin, TColor end, int num, int den)
{
    if (den <= 0)
        return begin;
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::int64_t b = (begin >> shift) & 0xFF;
        const std::int64_t e = (end >> shift) & 0xFF;
        const std::int64_t value = std::clamp<std::int64_t>((b * den + num * (e - b)) / den, 0, 255);
        result |= TColor(value) << shift;
    }
    return result;
}

} // namespace

QFont RotatedTextFont(const QFont& font)
{
    if (IsOutlineFont(font))
        return font;
    QFont copy(font);
    copy.setFamilies({QStringLiteral("Arial")});
    copy.setStyleHint(QFont::SansSerif);
    return copy;
}

TdxfProgressBar::TdxfProgressBar(QWidget* parent) : QWidget(parent)
{
    // Every paint covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kDefaultWidth, kDefaultHeight);
}

void TdxfProgressBar::SetBarBevelOuter(TdxfBevelOuter bevel)
{
    if (bevel == FBarBevelOuter)
        return;
    FBarBevelOuter = bevel;
    update();
}

void TdxfProgressBar::SetBeginColor(TColor color)
{
    if (color == FBeginColor)
        return;
    FBeginColor = color;
    if (FStyle != TdxfPBStyle::sPictures)
        update();
}

void TdxfProgressBar::SetBevelOuter(TdxfBevelOuter bevel)
{
    if (bevel == FBevelOuter)
        return;
    FBevelOuter = bevel;
    update();
}

void TdxfProgressBar::SetEndColor(TColor color)
{
    if (color == FEndColor)
        return;
    FEndColor = color;
    if (FStyle == TdxfPBStyle::sExSolid || FStyle == TdxfPBStyle::sExRectangles)
        update();
}

void TdxfProgressBar::SetFontColor(TColor color)
{
    if (color == FFontColor)
        return;
    FFontColor = color;
    if (FShowText)
        update();
}

void TdxfProgressBar::SetGlyph(const QImage& glyph)
{
    FGlyph = glyph;
    if (!FGlyph.isNull()) {
        if (Horizontal())
            resize(width(), FGlyph.height() + kGlyphFrame);
        else
            resize(FGlyph.width() + kGlyphFrame, height());
    }
    if (FStyle == TdxfPBStyle::sPictures)
        update();
}

void TdxfProgressBar::SetMax(int value)
{
    if (value == FMax || value < FMin)
        return;
    FMax = value;
    update();
}

void TdxfProgressBar::SetMin(int value)
{
    if (value == FMin || value > FMax)
        return;
    FMin = value;
    update();
}

void TdxfProgressBar::SetOrientation(TdxfPBOrientation orientation)
{
    if (orientation == FOrientation)
        return;
    FOrientation = orientation;
    update();
}

void TdxfProgressBar::SetPosition(int value)
{
    if (value == FPosition)
        return;
    const int oldPosition = FPosition;
    // A text wider than the one at Max would otherwise leave pieces behind.
    const QRect oldText = FShowText ? TextBox(PositionText()).ToQRect() : QRect();
    FPosition = value;
    InvalidatePosition(oldPosition);
    if (FShowText) {
        InvalidateText();
        update(oldText);
    }
    NotifyAccessibleValue(this, FPosition);
}

void TdxfProgressBar::SetShowText(bool show)
{
    if (show == FShowText)
        return;
    FShowText = show;
    update();
}

void TdxfProgressBar::SetShowTextStyle(TdxfShowTextStyle style)
{
    if (style == FShowTextStyle)
        return;
    FShowTextStyle = style;
    if (FShowText)
        update();
}

void TdxfProgressBar::SetStyle(TdxfPBStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    update();
}

void TdxfProgressBar::SetTransparentGlyph(bool transparent)
{
    if (transparent == FTransparentGlyph)
        return;
    FTransparentGlyph = transparent;
    update();
}

void TdxfProgressBar::StepIt()
{
    StepBy(FStep);
}

// A bar held at the edge of the integer range stays there rather than wrapping round.
void TdxfProgressBar::StepBy(int delta)
{
    const std::int64_t target = std::int64_t(FPosition) + delta;
    SetPosition(
        int(std::clamp<std::int64_t>(target, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

void TdxfProgressBar::Loaded()
{
    update();
}

int TdxfProgressBar::FillLength(int value, int length) const
{
    if (!HasRange() || value <= FMin || length <= 0)
        return 0;
    const std::int64_t reach = (std::int64_t(value) - FMin) * length / (std::int64_t(FMax) - FMin);
    return int(std::min<std::int64_t>(reach, length));
}

// An empty range reads as 0 %, matching the empty bar it draws.
QString TdxfProgressBar::TextFor(int value) const
{
    if (FShowTextStyle == TdxfShowTextStyle::stsPosition)
        return QString::number(value);
    const std::int64_t percent =
        HasRange() ? DivRoundHalfEven((std::int64_t(value) - FMin) * 100, std::int64_t(FMax) - FMin) : 0;
    return QString::number(percent) + QStringLiteral(" %");
}

QString TdxfProgressBar::PositionText() const
{
    return TextFor(FPosition);
}

QFont TdxfProgressBar::TextFont() const
{
    return Horizontal() ? font() : RotatedTextFont(font());
}

TRect TdxfProgressBar::TextBox(const QString& text) const
{
    const QFontMetrics metrics(TextFont());
    const int textWidth = metrics.horizontalAdvance(text);
    const int textHeight = metrics.height();
    TRect box;
    if (Horizontal()) {
        box.Left = (width() - textWidth) / 2;
        box.Top = (height() - textHeight) / 2;
        box.Right = box.Left + textWidth;
        box.Bottom = box.Top + textHeight;
    } else {
        box.Left = (width() - textHeight) / 2;
        box.Top = (height() - textWidth) / 2;
        box.Right = box.Left + textHeight;
        box.Bottom = box.Top + textWidth;
    }
    return box;
}

void TdxfProgressBar::InvalidatePosition(int oldPosition)
{
    const TRect client{0, 0, width(), height()};
    TRect span = client;
    const bool rising = oldPosition < FPosition;
    const bool blocks = FStyle == TdxfPBStyle::sRectangles || FStyle == TdxfPBStyle::sExRectangles;
    const bool pictures = FStyle == TdxfPBStyle::sPictures;
    if (Horizontal()) {
        const int a = client.Left + FillLength(FPosition, client.Width());
        const int b = client.Left + FillLength(oldPosition, client.Width());
        span.Left = (rising ? b : a) - kSpanMargin;
        span.Right = (rising ? a : b) + kSpanMargin;
        // A block or picture may appear or vanish next to the fill end.
        const int widen = pictures ? FGlyph.width() : blocks ? 2 * span.Height() / 3 + kBlockGap : 0;
        span.Left -= widen;
        span.Right += widen;
    } else {
        const int a = client.Bottom - FillLength(FPosition, client.Height());
        const int b = client.Bottom - FillLength(oldPosition, client.Height());
        span.Top = (rising ? a : b) - kSpanMargin;
        span.Bottom = (rising ? b : a) + kSpanMargin;
        const int widen = pictures ? FGlyph.height() : blocks ? 2 * span.Width() / 3 + kBlockGap : 0;
        span.Top -= widen;
        span.Bottom += widen;
    }
    const QRect visible = span.ToQRect() & client.ToQRect();
    if (!visible.isEmpty())
        repaint(visible);
}

void TdxfProgressBar::InvalidateText()
{
    const QString atMax =
        FShowTextStyle == TdxfShowTextStyle::stsPercent ? QStringLiteral("100 %") : QString::number(FMax);
    QRegion region(TextBox(atMax).ToQRect());
    region += TextBox(PositionText()).ToQRect();
    update(region);
}

void TdxfProgressBar::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Paint(canvas);
}

void TdxfProgressBar::Paint(QPainter& canvas)
{
    if (width() <= 0 || height() <= 0)
        return;
    // Composed at the screen's own resolution, so the text and edges stay sharp when scaled.
    QImage bitmap = OffscreenImage(size(), PaintRatio(canvas));
    {
        QPainter surface(&bitmap);
        TRect bar{0, 0, width(), height()};
        surface.fillRect(bar.ToQRect(), palette().color(backgroundRole()));
        if (FBevelOuter != TdxfBevelOuter::bvNone) {
            DrawBevel(surface, bar, FBevelOuter);
            bar = {bar.Left + kBevelInset, bar.Top + kBevelInset, bar.Right - kBevelInset, bar.Bottom - kBevelInset};
        }
        if (FPosition > FMin && HasRange() && bar.Width() > 0 && bar.Height() > 0) {
            TRect fill = bar;
            if (Horizontal())
                fill.Right = bar.Left + FillLength(FPosition, bar.Width());
            else
                fill.Top = bar.Bottom - FillLength(FPosition, bar.Height());
            if (fill.Width() > 0 && fill.Height() > 0) {
                surface.save();
                surface.setClipRect(bar.ToQRect());
                DrawFill(surface, bar, fill);
                surface.restore();
            }
        }
        if (FShowText)
            DrawPositionText(surface);
    }
    canvas.drawImage(0, 0, bitmap);
}

void TdxfProgressBar::DrawFill(QPainter& surface, const TRect& bar, const TRect& fill)
{
    switch (FStyle) {
    case TdxfPBStyle::sSolid:
        surface.fillRect(fill.ToQRect(), ToQColor(FBeginColor));
        DrawBarBevel(surface, fill);
        break;
    case TdxfPBStyle::sExSolid: {
        const TColor begin = ColorToRGB(FBeginColor);
        const TColor end = ColorToRGB(FEndColor);
        // The gradient spans the whole bar, so a growing fill uncovers more of it.
        if (Horizontal()) {
            for (int x = fill.Left; x < fill.Right; ++x)
                surface.fillRect(x, fill.Top, 1, fill.Height(),
                                 ToQColor(GradientColor(begin, end, x - fill.Left, bar.Width())));
        } else {
            for (int y = fill.Bottom - 1; y >= fill.Top; --y)
                surface.fillRect(fill.Left, y, fill.Width(), 1,
                                 ToQColor(GradientColor(begin, end, fill.Bottom - y, bar.Height())));
        }
        DrawBarBevel(surface, fill);
        break;
    }
    case TdxfPBStyle::sRectangles: DrawBlocks(surface, bar, fill, false); break;
    case TdxfPBStyle::sExRectangles: DrawBlocks(surface, bar, fill, true); break;
    case TdxfPBStyle::sPictures: DrawPictures(surface, fill); break;
    }
}

// Blocks appear only once their whole pitch lies inside the fill; a full bar closes with
// one more block from the last boundary, or from the bar's start when none was passed.
void TdxfProgressBar::DrawBlocks(QPainter& surface, const TRect& bar, const TRect& fill, bool gradient)
{
    const TColor begin = ColorToRGB(FBeginColor);
    const TColor end = ColorToRGB(FEndColor);
    const bool final = FPosition >= FMax;
    if (Horizontal()) {
        const int pitch = 2 * bar.Height() / 3 + kBlockGap;
        auto colorAt = [&](int x) { return gradient ? GradientColor(begin, end, x - fill.Left, bar.Width()) : begin; };
        int last = fill.Left;
        for (int x = fill.Left + pitch; x < fill.Right; x += pitch) {
            DrawBlock(surface, {x - pitch, fill.Top, x - kBlockGap, fill.Bottom}, colorAt(x));
            last = x;
        }
        if (final)
            DrawBlock(surface, {last, fill.Top, fill.Right, fill.Bottom}, colorAt(last));
    } else {
        const int pitch = 2 * bar.Width() / 3 + kBlockGap;
        auto colorAt = [&](int y) {
            return gradient ? GradientColor(begin, end, fill.Bottom - y, bar.Height()) : begin;
        };
        int last = fill.Bottom - 1;
        for (int y = fill.Bottom - 1 - pitch; y >= fill.Top; y -= pitch) {
            DrawBlock(surface, {fill.Left, y + kBlockGap, fill.Right, y + pitch}, colorAt(y));
            last = y;
        }
        if (final)
            DrawBlock(surface, {fill.Left, fill.Top, fill.Right, last}, colorAt(last));
    }
}

void TdxfProgressBar::DrawBlock(QPainter& surface, const TRect& block, TColor color)
{
    if (block.Width() <= 0 || block.Height() <= 0)
        return;
    surface.fillRect(block.ToQRect(), ToQColor(color));
    DrawBarBevel(surface, block);
}

// Pictures follow the block rule with the glyph's size as pitch; the closing picture
// comes only at exactly Max.
void TdxfProgressBar::DrawPictures(QPainter& surface, const TRect& fill)
{
    if (FGlyph.width() < 1 || FGlyph.height() < 1)
        return;
    const QImage glyph =
        FTransparentGlyph ? GlyphWithoutBackground(FGlyph) : FGlyph.convertToFormat(QImage::Format_RGB32);
    const bool final = FPosition == FMax;
    if (Horizontal()) {
        const int pitch = glyph.width();
        int last = fill.Left;
        for (int x = fill.Left + pitch; x < fill.Right; x += pitch) {
            surface.drawImage(x - pitch, fill.Top, glyph);
            last = x;
        }
        if (final)
            surface.drawImage(last, fill.Top, glyph);
    } else {
        const int pitch = glyph.height();
        int last = fill.Bottom - 1;
        for (int y = fill.Bottom - 1 - pitch; y >= fill.Top; y -= pitch) {
            surface.drawImage(fill.Left, y, glyph);
            last = y;
        }
        if (final)
            surface.drawImage(fill.Left, last - pitch, glyph);
    }
}

void TdxfProgressBar::DrawBarBevel(QPainter& surface, const TRect& rect)
{
    DrawBevel(surface, rect, FBarBevelOuter);
}

void TdxfProgressBar::DrawPositionText(QPainter& surface)
{
    const QString text = PositionText();
    const QFont textFont = TextFont();
    const QFontMetrics metrics(textFont);
    const TRect box = TextBox(text);
    surface.setFont(textFont);
    surface.setPen(ToQColor(FFontColor));
    surface.save();
    if (Horizontal()) {
        surface.translate(box.Left, box.Top);
    } else {
        // Turned a quarter clockwise: the text runs downwards, its tops facing right.
        surface.translate(box.Right, box.Top);
        surface.rotate(90);
    }
    surface.drawText(0, metrics.ascent(), text);
    surface.restore();
}
