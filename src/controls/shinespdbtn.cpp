#include "controls/shinespdbtn.h"

#include "desktop/colorkeycopy.h"
#include "desktop/devicepixels.h"
#include "desktop/fonts.h"
#include "desktop/textdraw.h"
#include "services/timer.h"

#include <QApplication>
#include <QCursor>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr int kDefaultSize = 25;
constexpr int kHoverInterval = 200;
constexpr int kRampSteps = 256;
constexpr int kCaptionFont = 12;
constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kMaskSet = 0xFFFFFFFFu;
constexpr QRgb kMaskClear = 0xFF000000u;

TColor PixelToColor(QRgb pixel)
{
    return RGB(std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)), std::uint8_t(qBlue(pixel)));
}

// Each channel of a 0x00RRGGBB pixel through f.
template <typename F>
QRgb PerChannel(QRgb pixel, F f)
{
    return qRgb(f(qRed(pixel)), f(qGreen(pixel)), f(qBlue(pixel))) & RGB_MASK;
}

// Applies f to every pixel whose colour is not key, giving it f's colour.
template <typename F>
void EachOpaquePixel(QImage& image, QRgb key, F f)
{
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = line[x] & RGB_MASK;
            if (colour != key)
                line[x] = kOpaque | f(colour);
        }
    }
}

// The half-tone screen: parity flips after every pixel, and once more after every row of a
// glyph whose height is even. Pixels met at parity 1 that are not key become colour.
void Screen(QImage& image, QRgb key, QRgb colour)
{
    int parity = 0;
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (parity == 1 && (line[x] & RGB_MASK) != key)
                line[x] = kOpaque | colour;
            parity ^= 1;
        }
        if (image.height() % 2 == 0)
            parity ^= 1;
    }
}

// A glyph pixel's colour without its alpha.
QRgb ColourAt(const QImage& glyph, QPoint at)
{
    return glyph.pixel(at) & RGB_MASK;
}

// Key pixels with a left, right, upper or lower neighbour of another colour become shine; the
// wide outline takes in their key-coloured neighbours too. The glyph is read unchanged.
void FrameLight(QImage& copy, const QImage& glyph, QRgb key, QRgb shine, bool wide)
{
    const std::array<QPoint, 4> sides = {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)};
    const auto keyAt = [&](QPoint at) { return glyph.valid(at) && ColourAt(glyph, at) == key; };
    const auto inkAt = [&](QPoint at) { return glyph.valid(at) && ColourAt(glyph, at) != key; };
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x) {
            const QPoint at(x, y);
            if (!keyAt(at) || std::none_of(sides.begin(), sides.end(), [&](QPoint d) { return inkAt(at + d); }))
                continue;
            copy.setPixel(at, kOpaque | shine);
            for (const QPoint d : sides)
                if (wide && keyAt(at + d))
                    copy.setPixel(at + d, kOpaque | shine);
        }
}

// White where the colour changes towards the lower right or lower left neighbour, black
// elsewhere; the embossed look of a disabled glyph is painted through it.
QImage EdgeMask(const QImage& glyph)
{
    QImage mask(glyph.size(), QImage::Format_RGB32);
    mask.fill(kMaskClear);
    for (int y = 0; y + 1 < glyph.height(); ++y) {
        for (int x = 0; x + 1 < glyph.width(); ++x)
            if (ColourAt(glyph, {x + 1, y + 1}) != ColourAt(glyph, {x, y}))
                mask.setPixel(x, y, kMaskSet);
        for (int x = 1; x < glyph.width(); ++x)
            if (ColourAt(glyph, {x - 1, y + 1}) != ColourAt(glyph, {x, y}))
                mask.setPixel(x - 1, y, kMaskSet);
    }
    return mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
}

// A line of the given colour from one point up to, but not including, the other. The
// frames need horizontal and vertical ones only.
void Line(QPainter& canvas, QPoint from, QPoint to, const QColor& colour)
{
    if (from.y() == to.y() && from.x() != to.x()) {
        const int left = from.x() < to.x() ? from.x() : to.x() + 1;
        canvas.fillRect(QRect(left, from.y(), std::abs(to.x() - from.x()), 1), colour);
    } else if (from.x() == to.x() && from.y() != to.y()) {
        const int top = from.y() < to.y() ? from.y() : to.y() + 1;
        canvas.fillRect(QRect(from.x(), top, 1, std::abs(to.y() - from.y())), colour);
    }
}

// Two lines from one corner, the way each frame colour is drawn.
void Corner(QPainter& canvas, TColor colour, QPoint corner, QPoint alongX, QPoint alongY)
{
    const QColor pen = ToQColor(colour);
    Line(canvas, corner, alongX, pen);
    Line(canvas, corner, alongY, pen);
}

// The letter after the first single "&" of a caption, or none.
QChar AccelChar(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1];
        ++i;
    }
    return {};
}

bool MouseCaptured()
{
    return QWidget::mouseGrabber() != nullptr || QGuiApplication::mouseButtons() != Qt::NoButton;
}

// Each opaque pixel moved (parts - 1) / parts of the way towards colour: half or three quarters.
void BlendTowards(QImage& copy, QRgb key, QRgb colour, int parts)
{
    const int r = (parts - 1) * qRed(colour), g = (parts - 1) * qGreen(colour), b = (parts - 1) * qBlue(colour);
    EachOpaquePixel(copy, key, [=](QRgb c) {
        return qRgb((r + qRed(c)) / parts, (g + qGreen(c)) / parts, (b + qBlue(c)) / parts) & RGB_MASK;
    });
}

// The hot look: the glyph's opaque pixels lit by the shine colour.
void ApplyActiveLook(QImage& copy, const QImage& glyph, QRgb key, TActiveImageType look, QRgb shine)
{
    const int s[3] = {qRed(shine), qGreen(shine), qBlue(shine)};
    switch (look) {
    case TActiveImageType::aiNormal: break;
    case TActiveImageType::aiXorLight:
        EachOpaquePixel(copy, key, [shine](QRgb c) { return (c ^ shine) & RGB_MASK; });
        break;
    case TActiveImageType::aiHalfLight: BlendTowards(copy, key, shine, 2); break;
    case TActiveImageType::aiQuaterLight: BlendTowards(copy, key, shine, 4); break;
    case TActiveImageType::aiAddLight:
        EachOpaquePixel(copy, key, [&s](QRgb c) {
            return qRgb(std::min(qRed(c) + s[0], 255), std::min(qGreen(c) + s[1], 255),
                        std::min(qBlue(c) + s[2], 255)) &
                   RGB_MASK;
        });
        break;
    case TActiveImageType::aiFrameLight:
    case TActiveImageType::aiFrameLight2:
        FrameLight(copy, glyph, key, shine, look == TActiveImageType::aiFrameLight2);
        break;
    case TActiveImageType::aiMaskLight: Screen(copy, key, shine); break;
    }
}

// The disabled look: the glyph's opaque pixels faded towards the face colour.
void ApplyDisabledLook(QImage& copy, QRgb key, TDisabledImageType look, QRgb face)
{
    switch (look) {
    case TDisabledImageType::diDefault: break; // drawn from the glyph's edges instead
    case TDisabledImageType::diGrayscale:
        EachOpaquePixel(copy, key, [](QRgb c) {
            const int grey = (qRed(c) + qGreen(c) + qBlue(c)) / 3;
            return qRgb(grey, grey, grey) & RGB_MASK;
        });
        break;
    case TDisabledImageType::diAlphaHalfTrans: BlendTowards(copy, key, face, 2); break;
    case TDisabledImageType::diAlphaQuaterTrans: BlendTowards(copy, key, face, 4); break;
    case TDisabledImageType::diMaskTrans: Screen(copy, key, key); break;
    }
}

// The face's ramp, one row of steps across or one column down: step i of a channel is
// c0 + i * (c1 - c0) / 255, truncated toward zero.
QImage Ramp(QRgb from, QRgb to, bool vertical)
{
    const auto step = [](int i, int c0, int c1) { return c0 + i * (c1 - c0) / (kRampSteps - 1); };
    QImage ramp(vertical ? 1 : kRampSteps, vertical ? kRampSteps : 1, QImage::Format_RGB32);
    for (int i = 0; i < kRampSteps; ++i)
        ramp.setPixel(
            vertical ? 0 : i, vertical ? i : 0,
            qRgb(step(i, qRed(from), qRed(to)), step(i, qGreen(from), qGreen(to)), step(i, qBlue(from), qBlue(to))));
    return ramp;
}

// Glyph and caption stacked in the layout's order: the size of the block they make and where
// each starts in it, before either is centred across the block.
struct TStacking {
    int width = 0;
    int height = 0;
    int glyphX = 0;
    int glyphY = 0;
    int textX = 0;
    int textY = 0;
};

TStacking StackGlyphAndCaption(TButtonLayout layout, int spacing, QSize glyph, QSize text, bool withGlyph,
                               bool withCaption)
{
    TStacking at;
    int& wc = at.width;
    int& hc = at.height;
    int& gx = at.glyphX;
    int& gy = at.glyphY;
    int& tx = at.textX;
    int& ty = at.textY;
    const int gw = glyph.width(), gh = glyph.height(), tw = text.width(), th = text.height();
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        gx = wc;
        wc += gw, hc = std::max(hc, gh);
        if (withGlyph && withCaption)
            wc += spacing;
        tx = wc;
        if (withCaption)
            wc += tw, hc = std::max(hc, th);
        break;
    case TButtonLayout::blGlyphRight:
        tx = wc;
        if (withCaption)
            wc += tw, hc = std::max(hc, th);
        if (withGlyph && withCaption)
            wc += spacing;
        gx = wc;
        if (withGlyph)
            wc += gw, hc = std::max(hc, gh);
        break;
    case TButtonLayout::blGlyphTop:
        gy = hc;
        if (withGlyph)
            hc += gh, wc = std::max(wc, gw);
        // The gap comes with a caption, glyph or not.
        if (withCaption)
            hc += spacing;
        ty = hc;
        if (withCaption)
            hc += th, wc = std::max(wc, tw);
        break;
    case TButtonLayout::blGlyphBottom:
        ty = hc;
        if (withCaption)
            hc += th, wc = std::max(wc, tw);
        if (withGlyph && withCaption)
            hc += spacing;
        gy = hc;
        hc += gh, wc = std::max(wc, gw);
        break;
    }
    return at;
}

} // namespace

std::uint32_t ColorToPixel(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return (std::uint32_t(GetRValue(rgb)) << 16) | (std::uint32_t(GetGValue(rgb)) << 8) | GetBValue(rgb);
}

TShiftState ReadShiftState()
{
    TShiftState shift;
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    shift.setFlag(TShiftFlag::ssShift, keys.testFlag(Qt::ShiftModifier));
    shift.setFlag(TShiftFlag::ssAlt, keys.testFlag(Qt::AltModifier));
    shift.setFlag(TShiftFlag::ssCtrl, keys.testFlag(Qt::ControlModifier));
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    shift.setFlag(TShiftFlag::ssLeft, buttons.testFlag(Qt::LeftButton));
    shift.setFlag(TShiftFlag::ssRight, buttons.testFlag(Qt::RightButton));
    shift.setFlag(TShiftFlag::ssMiddle, buttons.testFlag(Qt::MiddleButton));
    return shift;
}

// --- TShineBtnColors ---

template <typename T>
void TShineBtnColors::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TShineBtnColors::SetColor(TColor color)
{
    Store(FColor, color);
}
void TShineBtnColors::SetHighlight(TColor color)
{
    Store(FHighlight, color);
}
void TShineBtnColors::SetShadow(TColor color)
{
    Store(FShadow, color);
}
void TShineBtnColors::SetDarkShadow(TColor color)
{
    Store(FDarkShadow, color);
}
void TShineBtnColors::SetGradColor(TColor color)
{
    Store(FGradColor, color);
}
void TShineBtnColors::SetGradVertical(bool vertical)
{
    Store(FGradVertical, vertical);
}
void TShineBtnColors::SetGradation(bool gradation)
{
    Store(FGradation, gradation);
}

void TShineBtnColors::Assign(const TShineBtnColors& source)
{
    FColor = source.FColor;
    FHighlight = source.FHighlight;
    FShadow = source.FShadow;
    FDarkShadow = source.FDarkShadow;
    FGradColor = source.FGradColor;
    FGradVertical = source.FGradVertical;
    FGradation = source.FGradation;
    Changed();
}

void TShineBtnColors::AssignTo(TShineBtnColors& destination) const
{
    destination.Assign(*this);
}

void TShineBtnColors::Changed()
{
    if (OnChange)
        OnChange(this);
}

// --- TButtonFont ---

void TButtonFont::SetFont(const QFont& font)
{
    if (font == FFont)
        return;
    FFont = font;
    Changed();
}

void TButtonFont::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

void TButtonFont::Assign(const TButtonFont& source)
{
    FFont = source.FFont;
    FColor = source.FColor;
    Changed();
}

void TButtonFont::Changed()
{
    if (OnChange)
        OnChange(this);
}

// --- TShineSpeedButton ---

TShineSpeedButton::TShineSpeedButton(QWidget* parent)
    : QWidget(parent), FColors(std::make_unique<TShineBtnColors>()),
      FPressedColors(std::make_unique<TShineBtnColors>()), FFont(std::make_unique<TButtonFont>()),
      FActiveFont(std::make_unique<TButtonFont>()), FActiveButtonTimer(new TTimer(kHoverInterval, this))
{
    // Every paint covers every pixel unless Transparent asks for the parent to show.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button held are needed to notice a missed enter.
    setMouseTracking(true);

    FPressedColors->SetColor(clBtnHighlight);
    FColors->OnChange = [this](TShineBtnColors*) { FontsAndColorsOnChange(); };
    FPressedColors->OnChange = [this](TShineBtnColors*) { FontsAndColorsOnChange(); };

    FFont->SetFont(MakeFont(kPGothic, kCaptionFont));
    FFont->SetColor(clBtnText);
    FActiveFont->SetFont(MakeFont(kPGothic, kCaptionFont));
    FActiveFont->SetColor(clHighlight);
    FFont->OnChange = [this](TButtonFont*) { FontsAndColorsOnChange(); };
    FActiveFont->OnChange = [this](TButtonFont*) { FontsAndColorsOnChange(); };

    resize(kDefaultSize, kDefaultSize);
    connect(FActiveButtonTimer, &QTimer::timeout, this, &TShineSpeedButton::ActiveButtonTimerOnTimer);
}

TShineSpeedButton::~TShineSpeedButton() = default;

template <typename T>
void TShineSpeedButton::StoreAndInvalidate(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    update();
}

void TShineSpeedButton::SetClickDownHook(bool hook)
{
    StoreAndInvalidate(FClickDownHook, hook);
}
void TShineSpeedButton::SetAccelCharDown(bool accelCharDown)
{
    StoreAndInvalidate(FAccelCharDown, accelCharDown);
}
void TShineSpeedButton::SetFrameType(TFrameType frameType)
{
    StoreAndInvalidate(FFrameType, frameType);
}
void TShineSpeedButton::SetActiveFrame(bool activeFrame)
{
    StoreAndInvalidate(FActiveFrame, activeFrame);
}
void TShineSpeedButton::SetUpFrame(bool upFrame)
{
    StoreAndInvalidate(FUpFrame, upFrame);
}
void TShineSpeedButton::SetDownFrame(bool downFrame)
{
    StoreAndInvalidate(FDownFrame, downFrame);
}
void TShineSpeedButton::SetActiveImage(TActiveImageType activeImage)
{
    StoreAndInvalidate(FActiveImage, activeImage);
}
void TShineSpeedButton::SetDisabledImage(TDisabledImageType disabledImage)
{
    StoreAndInvalidate(FDisabledImage, disabledImage);
}
void TShineSpeedButton::SetDisabledHighlight(TColor color)
{
    StoreAndInvalidate(FDisabledHighlight, color);
}
void TShineSpeedButton::SetDisabledShadow(TColor color)
{
    StoreAndInvalidate(FDisabledShadow, color);
}
void TShineSpeedButton::SetShineColor(TColor color)
{
    StoreAndInvalidate(FShineColor, color);
}
void TShineSpeedButton::SetLayout(TButtonLayout layout)
{
    StoreAndInvalidate(FLayout, layout);
}
void TShineSpeedButton::SetMargin(int margin)
{
    StoreAndInvalidate(FMargin, margin);
}
void TShineSpeedButton::SetSpacing(int spacing)
{
    StoreAndInvalidate(FSpacing, spacing);
}

void TShineSpeedButton::SetFontHighlight(TColor color)
{
    FFontHighlight = color;
    update();
}

void TShineSpeedButton::SetFontShadow(TColor color)
{
    FFontShadow = color;
    update();
}

void TShineSpeedButton::SetFont(const TButtonFont* font)
{
    if (font)
        FFont->Assign(*font);
}

void TShineSpeedButton::SetActiveFont(const TButtonFont* font)
{
    if (font)
        FActiveFont->Assign(*font);
}

void TShineSpeedButton::SetColors(const TShineBtnColors* colors)
{
    if (colors)
        FColors->Assign(*colors);
}

void TShineSpeedButton::SetPressedColors(const TShineBtnColors* colors)
{
    if (colors)
        FPressedColors->Assign(*colors);
}

void TShineSpeedButton::SetTransparent(bool transparent)
{
    if (transparent == FTransparent)
        return;
    FTransparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void TShineSpeedButton::SetGlyph(const QImage& glyph)
{
    if (glyph.isNull()) {
        FGlyph = QImage();
        update();
        return;
    }
    FGlyph = glyph;
    GlyphOnChange();
}

void TShineSpeedButton::SetCaption(const QString& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    GrabAccelerator();
    update();
}

void TShineSpeedButton::GrabAccelerator()
{
    if (FAccelShortcut != 0)
        releaseShortcut(FAccelShortcut);
    FAccelShortcut = 0;
    const QKeySequence accelerator = QKeySequence::mnemonic(FCaption);
    if (!accelerator.isEmpty())
        FAccelShortcut = grabShortcut(accelerator);
}

void TShineSpeedButton::FontsAndColorsOnChange()
{
    update();
}

void TShineSpeedButton::GlyphOnChange()
{
    // The pixel effects work on 32-bit rows, whatever the glyph came as.
    if (FGlyph.format() != QImage::Format_RGB32)
        FGlyph = FGlyph.convertToFormat(QImage::Format_RGB32);
    update();
}

// --- Down state and groups ---

void TShineSpeedButton::SetDown(bool down)
{
    if (down == FDown || FGroupIndex == 0)
        return;
    if (FAllowAllUp) {
        FDown = down;
        GroupUpdateStatus(FGroupIndex);
        FState = down ? 1 : 3;
        repaint();
        return;
    }
    // Without AllowAllUp only another member releases a down button.
    if (FDown)
        return;
    FDown = down;
    GroupUpdateStatus(FGroupIndex);
    FState = 1;
    repaint();
}

void TShineSpeedButton::SetAllowAllUp(bool allowAllUp)
{
    if (allowAllUp == FAllowAllUp)
        return;
    FAllowAllUp = allowAllUp;
    GroupUpdateStatus(FGroupIndex);
}

void TShineSpeedButton::SetGroupIndex(int groupIndex)
{
    if (groupIndex != FGroupIndex)
        GroupUpdateStatus(groupIndex);
}

void TShineSpeedButton::GroupUpdateStatus(int groupIndex)
{
    FGroupIndex = groupIndex;
    // The button itself tells the others its Down and AllowAllUp.
    if (FGroupIndex != 0 && parentWidget())
        BroadcastButtonPressed(parentWidget(), FGroupIndex, this);
}

void TShineSpeedButton::CMButtonPressed(int groupIndex, QObject* sender)
{
    if (groupIndex != FGroupIndex || sender == this)
        return;
    const TGroupButton* member = GroupButtonOf(sender);
    if (!member)
        return;
    if (member->Down() && FDown) {
        FDown = false;
        FState = 3;
        update();
    }
    FAllowAllUp = member->AllowAllUp();
}

// --- Mouse, keyboard and timer ---

bool TShineSpeedButton::InClient(int x, int y) const
{
    return x >= 0 && x < width() && y >= 0 && y < height();
}

QPoint TShineSpeedButton::CursorInClient() const
{
    return mapFromGlobal(QCursor::pos());
}

void TShineSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
    if (button != TMouseButton::mbLeft || !isEnabled())
        return;
    // A down button under the mouse already shows state 0.
    const bool wasDown = FDown;
    FState = 0;
    if (!wasDown)
        update();
    FHolding = true;
}

void TShineSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
    if (FHolding) {
        const std::uint8_t target = InClient(x, y) ? 0 : FDown ? 1 : 3;
        if (target != FState) {
            FState = target;
            update();
        }
    } else if (!FMouseOver) {
        UpdateTracking();
    }
}

void TShineSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
    if (!FHolding)
        return;
    const bool inside = InClient(x, y);
    if (FGroupIndex == 0) {
        FState = 3;
        FMouseOver = false;
        FDown = false;
        if (inside)
            repaint();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown)
            repaint();
    } else {
        FState = FDown ? 0 : 2;
        repaint();
    }
    FHolding = false;
    if (inside)
        Click();
    UpdateTracking();
}

void TShineSpeedButton::MouseEnter(TShiftState shift, int x, int y)
{
    if (OnMouseEnter)
        OnMouseEnter(this, shift, x, y);
    if (FMouseOver || !isEnabled() || MouseCaptured())
        return;
    FMouseOver = true;
    if (FState == 3)
        FState = 2;
    else if (FState == 1)
        FState = 0;
    repaint();
    FActiveButtonTimer->SetEnabled(true);
}

void TShineSpeedButton::MouseLeave(TShiftState shift, int x, int y)
{
    if (OnMouseLeave)
        OnMouseLeave(this, shift, x, y);
    if (!FMouseOver || !isEnabled() || FHolding)
        return;
    FActiveButtonTimer->SetEnabled(false);
    FMouseOver = false;
    if (FState == 2)
        FState = 3;
    else if (FState == 0)
        FState = 1;
    repaint();
}

void TShineSpeedButton::CMMouseEnter()
{
    const QPoint at = CursorInClient();
    MouseEnter(ReadShiftState(), at.x(), at.y());
}

void TShineSpeedButton::CMMouseLeave()
{
    const QPoint at = CursorInClient();
    MouseLeave(ReadShiftState(), at.x(), at.y());
}

void TShineSpeedButton::UpdateTracking()
{
    if (!isEnabled())
        return;
    // The flag is set against the finding first, so that the handler it leads to acts.
    if (QApplication::widgetAt(QCursor::pos()) == this) {
        FMouseOver = false;
        CMMouseEnter();
    } else {
        FMouseOver = true;
        CMMouseLeave();
    }
}

void TShineSpeedButton::ActiveButtonTimerOnTimer()
{
    if (!FMouseOver || !isEnabled() || FHolding) {
        FActiveButtonTimer->SetEnabled(false);
        return;
    }
    const QPoint at = CursorInClient();
    if (!rect().contains(at))
        MouseLeave(ReadShiftState(), at.x(), at.y());
}

void TShineSpeedButton::Click()
{
    if (!FClickDownHook) {
        if (OnClick)
            OnClick(this);
        return;
    }
    const std::uint8_t saved = FState;
    FState = 0;
    repaint();
    if (OnClick)
        OnClick(this);
    FState = saved;
    repaint();
}

bool TShineSpeedButton::CMDialogChar(QChar key)
{
    const QChar accel = AccelChar(FCaption);
    if (accel.isNull() || key.toUpper() != accel.toUpper())
        return false;
    if (!isEnabled() || !isVisible() || !parentWidget() || !parentWidget()->isVisible())
        return false;
    if (FAccelCharDown)
        SetDown(!FDown);
    Click();
    return true;
}

void TShineSpeedButton::CMEnabledChanged()
{
    // Released directly: the group is not told.
    FDown = false;
    FState = isEnabled() ? 3 : 4;
    UpdateTracking();
    update();
}

bool TShineSpeedButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (FAccelShortcut != 0 && shortcut->shortcutId() == FAccelShortcut) {
            CMDialogChar(AccelChar(FCaption));
            return true;
        }
    }
    return QWidget::event(event);
}

void TShineSpeedButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange: CMEnabledChanged(); break;
    case QEvent::FontChange:
    case QEvent::PaletteChange: update(); break;
    default: break;
    }
    QWidget::changeEvent(event);
}

void TShineSpeedButton::customEvent(QEvent* event)
{
    if (event->type() == TButtonPressedEvent::kType) {
        const auto* pressed = static_cast<TButtonPressedEvent*>(event);
        CMButtonPressed(pressed->GroupIndex(), pressed->Button());
        return;
    }
    QWidget::customEvent(event);
}

void TShineSpeedButton::enterEvent(QEnterEvent*)
{
    CMMouseEnter();
}

void TShineSpeedButton::leaveEvent(QEvent*)
{
    CMMouseLeave();
}

void TShineSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<TMouseAction> action = MouseActionOf(*event))
        MouseDown(action->button, action->shift, action->x, action->y);
}

void TShineSpeedButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    const std::optional<TMouseAction> action = MouseActionOf(*event);
    if (!action)
        return;
    MouseDown(action->button, action->shift, action->x, action->y);
    if (action->button == TMouseButton::mbLeft && FDown && OnDblClick)
        OnDblClick(this);
}

void TShineSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    MouseMove(ShiftStateOf(*event), at.x(), at.y());
}

void TShineSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (const std::optional<TMouseAction> action = MouseActionOf(*event))
        MouseUp(action->button, action->shift, action->x, action->y);
}

// --- Painting ---

void TShineSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    Paint(canvas);
}

void TShineSpeedButton::Paint(QPainter& canvas)
{
    if (!isEnabled()) {
        FState = 4;
        FHolding = false;
    }
    if (FTransparent) {
        BackDraw(canvas);
        ImageDraw(canvas);
        FrameDraw(canvas);
        return;
    }
    if (width() <= 0 || height() <= 0)
        return;
    QImage bitmap = OffscreenImage(size(), PaintRatio(canvas));
    {
        QPainter surface(&bitmap);
        BackDraw(surface);
        ImageDraw(surface);
        FrameDraw(surface);
    }
    canvas.drawImage(0, 0, bitmap);
}

void TShineSpeedButton::BackDraw(QPainter& canvas)
{
    if (FTransparent)
        return;
    const TShineBtnColors& colors = FState < 2 ? *FPressedColors : *FColors;
    if (!colors.Gradation()) {
        canvas.fillRect(rect(), ToQColor(colors.Color()));
        return;
    }
    canvas.drawImage(rect(),
                     Ramp(ColorToPixel(colors.Color()), ColorToPixel(colors.GradColor()), colors.GradVertical()));
}

void TShineSpeedButton::ImageDraw(QPainter& canvas)
{
    const bool hot = FState == 0 || FState == 2;
    const bool pressed = FState < 2;
    const TButtonFont& font = hot ? *FActiveFont : *FFont;
    canvas.setFont(font.Font());

    const TStateGlyph glyph = CreateStateGlyph();
    QPoint at;
    TRect text;
    CalcDrawPosition(font.Font(), at, text);

    if (!glyph.Image.isNull()) {
        if (pressed)
            at += QPoint(1, 1);
        if (FState == 4 && FDisabledImage == TDisabledImageType::diDefault) {
            DrawBrushThroughMask(canvas, at + QPoint(1, 1), glyph.Image, FDisabledHighlight);
            DrawBrushThroughMask(canvas, at, glyph.Image, FDisabledShadow);
        } else {
            DrawImageExceptColor(canvas, at, glyph.Image, glyph.Image.rect(), glyph.TransparentColor);
        }
    }

    if (FCaption.isEmpty())
        return;
    if (pressed)
        text.Offset(1, 1);
    canvas.setBrush(Qt::NoBrush);
    const auto caption = [&](int dx, int dy, TColor colour) {
        TRect moved = text;
        moved.Offset(dx, dy);
        canvas.setPen(ToQColor(colour));
        DrawText(canvas, FCaption, moved, DT_CENTER | DT_VCENTER);
    };
    if (FState == 4) {
        caption(1, 1, FDisabledHighlight);
        caption(0, 0, FDisabledShadow);
        return;
    }
    if (FFontShadow != clNone)
        caption(1, 1, FFontShadow);
    if (FFontHighlight != clNone)
        caption(-1, -1, FFontHighlight);
    caption(0, 0, font.Color());
}

void TShineSpeedButton::FrameDraw(QPainter& canvas)
{
    bool pressedLook = false;
    bool raisedLook = false;
    switch (FState) {
    case 0: pressedLook = FActiveFrame; break;
    case 1: pressedLook = FDownFrame; break;
    case 2: raisedLook = FActiveFrame; break;
    case 3:
    case 4: raisedLook = FUpFrame; break;
    default: break;
    }
    if (!pressedLook && !raisedLook)
        return;

    const int r = width() - 1;
    const int b = height() - 1;
    const TShineBtnColors& pressed = *FPressedColors;
    const TShineBtnColors& raised = *FColors;
    switch (FFrameType) {
    case TFrameType::ftFlatFrame:
        if (pressedLook) {
            Corner(canvas, pressed.Shadow(), {0, 0}, {r, 0}, {0, b});
            Corner(canvas, pressed.Highlight(), {r, b}, {0, b}, {r, 0});
        } else {
            Corner(canvas, raised.Highlight(), {0, 0}, {r, 0}, {0, b});
            Corner(canvas, raised.Shadow(), {r, b}, {0, b}, {r, 0});
        }
        break;
    case TFrameType::ftNormalFrame:
        if (pressedLook) {
            Corner(canvas, pressed.Shadow(), {1, 1}, {r, 1}, {1, b});
            Corner(canvas, pressed.DarkShadow(), {0, 0}, {r, 0}, {0, b});
            Corner(canvas, pressed.Highlight(), {r, b}, {0, b}, {r, 0});
        } else {
            Corner(canvas, raised.Shadow(), {r - 1, b - 1}, {0, b - 1}, {r - 1, 0});
            Corner(canvas, raised.DarkShadow(), {r, b}, {0, b}, {r, 0});
            Corner(canvas, raised.Highlight(), {0, 0}, {r, 0}, {0, b});
        }
        break;
    case TFrameType::ftEnclosedFrame:
        if (pressedLook) {
            Corner(canvas, pressed.Shadow(), {1, 1}, {r - 1, 1}, {1, b - 1});
            Corner(canvas, pressed.Highlight(), {r - 1, b - 1}, {1, b - 1}, {r - 1, 1});
        } else {
            Corner(canvas, raised.Highlight(), {1, 1}, {r - 1, 1}, {1, b - 1});
            Corner(canvas, raised.Shadow(), {r - 1, b - 1}, {1, b - 1}, {r - 1, 1});
        }
        {
            // The enclosing outline, unfilled, in the raised set's dark shadow for both looks.
            const QColor outline = ToQColor(raised.DarkShadow());
            canvas.fillRect(QRect(0, 0, width(), 1), outline);
            canvas.fillRect(QRect(0, b, width(), 1), outline);
            canvas.fillRect(QRect(0, 0, 1, height()), outline);
            canvas.fillRect(QRect(r, 0, 1, height()), outline);
        }
        break;
    }
}

TStateGlyph TShineSpeedButton::CreateStateGlyph() const
{
    if (FGlyph.isNull())
        return {};
    const QRgb key = ColourAt(FGlyph, {0, FGlyph.height() - 1});
    // Shared until an effect writes to it, so the unchanged looks cost no copy.
    QImage copy = FGlyph;

    if (FState == 0 || FState == 2) {
        ApplyActiveLook(copy, FGlyph, key, FActiveImage, ColorToPixel(FShineColor));
    } else if (FState == 4) {
        if (FDisabledImage == TDisabledImageType::diDefault)
            return {EdgeMask(FGlyph), clBlack};
        ApplyDisabledLook(copy, key, FDisabledImage, ColorToPixel(FColors->Color()));
    }
    const QRgb transparent = copy.pixel(0, copy.height() - 1);
    return {copy, PixelToColor(transparent)};
}

void TShineSpeedButton::CalcDrawPosition(const QFont& font, QPoint& glyphPos, TRect& textRect) const
{
    const bool withGlyph = !FGlyph.isNull();
    const bool withCaption = !FCaption.isEmpty();
    const int gw = FGlyph.width();
    const int gh = FGlyph.height();
    TRect extent{0, 0, width(), 0};
    if (withCaption)
        CalcTextRect(font, FCaption, extent, DT_CALCRECT);
    else
        extent = {};
    const int tw = extent.Width();
    const int th = extent.Height();

    const auto [wc, hc, gx0, gy0, tx0, ty0] =
        StackGlyphAndCaption(FLayout, FSpacing, {gw, gh}, {tw, th}, withGlyph, withCaption);
    int gx = gx0, gy = gy0, tx = tx0, ty = ty0;
    const bool across = FLayout == TButtonLayout::blGlyphLeft || FLayout == TButtonLayout::blGlyphRight;
    if (across) {
        if (withGlyph)
            gy = (hc - gh) / 2;
        if (withCaption)
            ty = (hc - th) / 2;
    } else {
        if (withGlyph)
            gx = (wc - gw) / 2;
        if (withCaption)
            tx = (wc - tw) / 2;
    }

    const int cw = width();
    const int ch = height();
    int ox = (cw - wc) / 2;
    int oy = (ch - hc) / 2;
    if (FMargin >= 0) {
        switch (FLayout) {
        case TButtonLayout::blGlyphLeft: ox = FMargin; break;
        case TButtonLayout::blGlyphRight: ox = cw - wc - FMargin; break;
        case TButtonLayout::blGlyphTop: oy = FMargin; break;
        case TButtonLayout::blGlyphBottom: oy = ch - hc - FMargin; break;
        }
    }
    glyphPos = QPoint(ox + gx, oy + gy);
    textRect = extent;
    textRect.Offset(ox + tx, oy + ty);
}
