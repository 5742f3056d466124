#include "controls/shadolbl.h"

#include "desktop/devicepixels.h"
#include "desktop/textdraw.h"
#include "services/cp932.h"

#include <QPainter>
#include <cstring>

void GetRGB(TColor color, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue)
{
    const TColor rgb = ColorToRGB(color);
    red = GetRValue(rgb);
    green = GetGValue(rgb);
    blue = GetBValue(rgb);
}

namespace {

// The caption a character at a time, as the gradient steps through it: the code page's characters,
// the same one or two bytes. One the code page lacks (a translation's ä or Hangul) is drawn as
// itself all the same, in the place of the '?' that stands for it.
QStringList Characters(const QString& caption)
{
    const QByteArray bytes = cp932::encode(caption);
    const QList<uint> codePoints = caption.toUcs4();
    QStringList characters;
    for (int at = 0; at < bytes.size();) {
        const int length = cp932::CharByteLength(bytes, at);
        const char32_t codePoint = codePoints.value(characters.size());
        const bool lacked = length == 1 && bytes.at(at) == '?' && codePoint != U'?';
        characters.append(lacked ? QString::fromUcs4(&codePoint, 1) : cp932::decode(bytes.mid(at, length)));
        at += length;
    }
    return characters;
}

// The colour at fraction t between two split colours.
struct ColorRamp {
    std::uint8_t red = 0, green = 0, blue = 0;
    std::int16_t dRed = 0, dGreen = 0, dBlue = 0;

    ColorRamp(TColor first, TColor second)
    {
        std::uint8_t red2 = 0, green2 = 0, blue2 = 0;
        GetRGB(first, red, green, blue);
        GetRGB(second, red2, green2, blue2);
        dRed = std::int16_t(red2 - red);
        dGreen = std::int16_t(green2 - green);
        dBlue = std::int16_t(blue2 - blue);
    }

    // A one-pixel extent has no second end; it takes the first colour (t = 0).
    static double Fraction(int index, int count) { return count > 1 ? double(index) / double(count - 1) : 0.0; }

    TColor At(double t) const
    {
        return RGB(InterpolateChannel(red, dRed, t), InterpolateChannel(green, dGreen, t),
                   InterpolateChannel(blue, dBlue, t));
    }

    QRgb PixelAt(double t) const
    {
        const TColor color = At(t);
        return qRgb(GetRValue(color), GetGValue(color), GetBValue(color));
    }
};

} // namespace

void GradBitmap(QImage& bitmap, TColor first, TColor second, bool vertical)
{
    const ColorRamp ramp(first, second);
    const int height = bitmap.height();
    const int width = bitmap.width();
    if (height < 1 || width < 1)
        return;

    if (vertical) {
        for (int row = 0; row < height; ++row) {
            QRgb* line = reinterpret_cast<QRgb*>(bitmap.scanLine(row));
            std::fill(line, line + width, ramp.PixelAt(ColorRamp::Fraction(row, height)));
        }
        return;
    }
    QRgb* firstRow = reinterpret_cast<QRgb*>(bitmap.scanLine(0));
    for (int column = 0; column < width; ++column)
        firstRow[column] = ramp.PixelAt(ColorRamp::Fraction(column, width));
    for (int row = 1; row < height; ++row)
        std::memcpy(bitmap.scanLine(row), firstRow, size_t(width) * sizeof(QRgb));
}

void GradRect(QPainter& canvas, const TRect& rect, TColor first, TColor second, bool vertical)
{
    if (rect.Width() < 1 || rect.Height() < 1)
        return;
    QImage bitmap(rect.Width(), rect.Height(), QImage::Format_RGB32);
    GradBitmap(bitmap, first, second, vertical);
    canvas.drawImage(rect.ToQRect(), bitmap);
}

void TShadow::SetShadowVisible(bool visible)
{
    if (visible == FVisible)
        return;
    FVisible = visible;
    Changed();
}

void TShadow::SetShadowColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TShadow::SetShadowLeft(int offset)
{
    if (offset == FOffsetLeft)
        return;
    FOffsetLeft = offset;
    Changed();
}

void TShadow::SetShadowTop(int offset)
{
    if (offset == FOffsetTop)
        return;
    FOffsetTop = offset;
    Changed();
}

void TShadow::Assign(const TShadow& source)
{
    FVisible = source.FVisible;
    FColor = source.FColor;
    FOffsetLeft = source.FOffsetLeft;
    FOffsetTop = source.FOffsetTop;
    Changed();
}

void TShadow::Changed()
{
    if (OnChange)
        OnChange(this);
}

TShadowLabel::TShadowLabel(QWidget* parent)
    : TCustomLabel(parent), FHighlight(std::make_unique<TShadow>()), FShadow(std::make_unique<TShadow>())
{
    FHighlight->SetShadowColor(clWhite);
    FHighlight->SetShadowLeft(-1);
    FHighlight->SetShadowTop(-1);
    FHighlight->OnChange = [this](TShadow* sender) { ShadowChanged(sender); };
    FShadow->OnChange = [this](TShadow* sender) { ShadowChanged(sender); };
}

TShadowLabel::~TShadowLabel() = default;

void TShadowLabel::SetEllipsis(TEllipsis ellipsis)
{
    if (ellipsis == FEllipsis)
        return;
    FEllipsis = ellipsis;
    update();
}

void TShadowLabel::SetGradateVert(bool vertical)
{
    if (vertical == FGradateVert)
        return;
    FGradateVert = vertical;
    update();
}

void TShadowLabel::SetGradation(bool gradation)
{
    if (gradation == FGradation)
        return;
    FGradation = gradation;
    update();
}

void TShadowLabel::SetGradationColor(TColor color)
{
    if (color == FGradationColor)
        return;
    FGradationColor = color;
    update();
}

void TShadowLabel::SetHighlight(const TShadow* highlight)
{
    if (!highlight)
        return;
    FHighlight->Assign(*highlight);
    update();
}

void TShadowLabel::SetShadow(const TShadow* shadow)
{
    if (!shadow)
        return;
    FShadow->Assign(*shadow);
    update();
}

void TShadowLabel::SetTextGradation(TTextGradation gradation)
{
    if (gradation == FTextGradation)
        return;
    FTextGradation = gradation;
    AdjustBounds();
    update();
}

int TShadowLabel::CharByCharWidth() const
{
    const QStringList characters = Characters(DrawnCaption());
    if (FTextGradation == TTextGradation::tgNone || WordWrap() || characters.size() < 2)
        return 0;
    int width = 0;
    for (const QString& character : characters)
        width += TextWidth(font(), character);
    return width;
}

void TShadowLabel::SetTextGradationColor(TColor color)
{
    if (color == FTextGradationColor)
        return;
    FTextGradationColor = color;
    if (FTextGradation != TTextGradation::tgNone)
        update();
}

void TShadowLabel::SetTextMidColor(TColor color)
{
    if (color == FTextMidColor)
        return;
    FTextMidColor = color;
    if (FTextGradation == TTextGradation::tg3Colors)
        update();
}

void TShadowLabel::ShadowChanged(TShadow*)
{
    update();
}

unsigned TShadowLabel::DrawTextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    switch (Alignment()) {
    case TAlignment::taLeftJustify: flags |= DT_LEFT; break;
    case TAlignment::taRightJustify: flags |= DT_RIGHT; break;
    case TAlignment::taCenter: flags |= DT_CENTER; break;
    }
    if (WordWrap())
        flags |= DT_WORDBREAK;
    if (!ShowAccelChar())
        flags |= DT_NOPREFIX;
    if (FEllipsis == TEllipsis::elEnd)
        flags |= DT_END_ELLIPSIS;
    else if (FEllipsis == TEllipsis::elPath)
        flags |= DT_PATH_ELLIPSIS;
    return flags;
}

void TShadowLabel::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Paint(canvas);
}

void TShadowLabel::Paint(QPainter& canvas)
{
    // Only an opaque label can be composed off-screen and copied in one step.
    if (FFlickerless && !Transparent()) {
        QImage bitmap = BackgroundBitmap(PaintRatio(canvas));
        {
            QPainter surface(&bitmap);
            DrawCaption(surface);
        }
        canvas.drawImage(0, 0, bitmap);
        return;
    }
    if (!Transparent())
        DrawBackground(canvas);
    DrawCaption(canvas);
}

QImage TShadowLabel::BackgroundBitmap(qreal ratio) const
{
    // The gradient runs over every device pixel, so it is as smooth as the screen allows.
    QImage bitmap = OffscreenImage(QSize(qMax(1, width()), qMax(1, height())), ratio);
    if (FGradation)
        GradBitmap(bitmap, FGradationColor, Color(), FGradateVert);
    else
        bitmap.fill(ToQColor(Color()));
    return bitmap;
}

void TShadowLabel::DrawBackground(QPainter& canvas) const
{
    const TRect client{0, 0, width(), height()};
    if (FGradation)
        GradRect(canvas, client, FGradationColor, Color(), FGradateVert);
    else
        canvas.fillRect(client.ToQRect(), ToQColor(Color()));
}

void TShadowLabel::DrawCaption(QPainter& surface)
{
    const QString caption = DrawnCaption();
    const unsigned flags = DrawTextFlags();
    QFont face = font();
    face.setStyleStrategy(QFont::NoAntialias);
    surface.setFont(face);
    surface.setBrush(Qt::NoBrush);

    const TRect rect = CaptionRect(surface, caption, flags);
    DrawShadowAndHighlight(surface, caption, rect, flags);
    DrawCaptionFace(surface, caption, rect, flags);
}

TRect TShadowLabel::CaptionRect(QPainter& surface, const QString& caption, unsigned flags) const
{
    const TRect client{0, 0, width(), height()};
    TRect measured = client;
    const int textHeight = DrawText(surface, caption, measured, flags | DT_CALCRECT);
    TRect rect = client;
    if (Layout() == TTextLayout::tlCenter)
        rect.Offset(0, (height() - textHeight) / 2);
    else if (Layout() == TTextLayout::tlBottom)
        rect.Offset(0, height() - textHeight);
    return rect;
}

void TShadowLabel::DrawShadowAndHighlight(QPainter& surface, const QString& caption, const TRect& rect,
                                          unsigned flags) const
{
    const bool enabled = isEnabled();
    if (FShadow->Visible()) {
        TRect shadowRect = rect;
        shadowRect.Offset(FShadow->OffsetLeft(), FShadow->OffsetTop());
        surface.setPen(ToQColor(enabled ? FShadow->Color() : clGray));
        DrawText(surface, caption, shadowRect, flags);
    }
    if (FHighlight->Visible()) {
        TRect highlightRect = rect;
        highlightRect.Offset(FHighlight->OffsetLeft(), FHighlight->OffsetTop());
        surface.setPen(ToQColor(enabled ? FHighlight->Color() : clBtnHighlight));
        DrawText(surface, caption, highlightRect, flags);
    }
}

void TShadowLabel::DrawCaptionFace(QPainter& surface, const QString& caption, TRect rect, unsigned flags)
{
    const QStringList characters = Characters(caption);
    if (FTextGradation != TTextGradation::tgNone && characters.size() > 1) {
        DrawFace(surface, characters, rect, flags);
        return;
    }
    surface.setPen(ToQColor(isEnabled() ? FontColor() : clBtnShadow));
    DrawText(surface, caption, rect, flags);
}

void TShadowLabel::DrawFace(QPainter& surface, const QStringList& characters, TRect& rect, unsigned flags)
{
    if (FTextGradation == TTextGradation::tg2Colors || characters.size() == 2) {
        GradText(surface, FontColor(), FTextGradationColor, characters, rect, flags);
        return;
    }
    // Split near the middle of the bytes, never inside a two-byte character.
    const int middle = cp932::ByteLength(characters.join(QString())) / 2;
    qsizetype split = 0;
    for (int at = 0; at < middle; ++split)
        at += cp932::ByteLength(characters.at(split));
    const QStringList firstPart = characters.mid(0, split);
    const QStringList secondPart = characters.mid(split);
    GradText(surface, FontColor(), FTextMidColor, firstPart, rect, flags);
    if (secondPart.size() == 1)
        GradText(surface, FTextGradationColor, FTextGradationColor, secondPart, rect, flags);
    else
        GradText(surface, FTextMidColor, FTextGradationColor, secondPart, rect, flags);
}

void TShadowLabel::GradText(QPainter& surface, TColor first, TColor second, const QStringList& piece, TRect& rect,
                            unsigned flags)
{
    const int count = int(piece.size());
    if (count == 1) {
        surface.setPen(ToQColor(first));
        const QString& character = piece.first();
        TRect cell{rect.Left, rect.Top, width(), rect.Bottom};
        DrawText(surface, character, cell, flags);
        rect.Left += TextWidth(surface.font(), character);
        return;
    }

    const ColorRamp ramp(first, second);
    const int overhang = TextOverhang(surface.font());
    int index = 0;
    for (const QString& character : piece) {
        surface.setPen(ToQColor(ramp.At(ColorRamp::Fraction(index++, count))));
        rect.Right = rect.Left + TextWidth(surface.font(), character) - overhang;
        DrawText(surface, character, rect, flags);
        rect.Left = rect.Right;
    }
}
