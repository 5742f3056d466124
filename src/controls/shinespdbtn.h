#pragma once

#include "controls/buttonpressed.h"
#include "controls/mouseevent.h"
#include "desktop/colors.h"
#include "desktop/rect.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class QPainter;
class TTimer;

enum class TFrameType : std::uint8_t { ftFlatFrame, ftNormalFrame, ftEnclosedFrame };
enum class TActiveImageType : std::uint8_t {
    aiNormal,
    aiXorLight,
    aiHalfLight,
    aiQuaterLight,
    aiAddLight,
    aiFrameLight,
    aiFrameLight2,
    aiMaskLight
};
enum class TDisabledImageType : std::uint8_t {
    diDefault,
    diGrayscale,
    diAlphaHalfTrans,
    diAlphaQuaterTrans,
    diMaskTrans
};
enum class TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A colour as a 32-bit pixel holds it, 0x00RRGGBB; system colours are resolved first.
std::uint32_t ColorToPixel(TColor color);

// Modifier keys and mouse buttons held right now.
TShiftState ReadShiftState();

// The colours of one look of a shine button: face (or gradient from Color to GradColor)
// and the three frame colours. Every change is reported through OnChange.
class TShineBtnColors {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TColor Highlight() const { return FHighlight; }
    void SetHighlight(TColor color);
    TColor Shadow() const { return FShadow; }
    void SetShadow(TColor color);
    TColor DarkShadow() const { return FDarkShadow; }
    void SetDarkShadow(TColor color);
    TColor GradColor() const { return FGradColor; }
    void SetGradColor(TColor color);
    bool GradVertical() const { return FGradVertical; }
    void SetGradVertical(bool vertical);
    bool Gradation() const { return FGradation; }
    void SetGradation(bool gradation);

    // Takes over all seven values of source and reports once, changed or not.
    void Assign(const TShineBtnColors& source);
    // Gives all seven values to destination, which reports once.
    void AssignTo(TShineBtnColors& destination) const;

    std::function<void(TShineBtnColors*)> OnChange;

private:
    template <typename T>
    void Store(T& field, T value);
    void Changed();

    TColor FColor = clBtnFace;
    TColor FHighlight = clBtnHighlight;
    TColor FShadow = clBtnShadow;
    TColor FDarkShadow = clWindowFrame;
    TColor FGradColor = clBlue;
    bool FGradVertical = false;
    bool FGradation = false;
};

// A caption font together with its colour, as the button keeps them.
class TButtonFont {
public:
    const QFont& Font() const { return FFont; }
    void SetFont(const QFont& font);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    // Takes over face and colour of source and reports once.
    void Assign(const TButtonFont& source);

    std::function<void(TButtonFont*)> OnChange;

private:
    void Changed();

    QFont FFont;
    TColor FColor = clWindowText;
};

// The glyph as one state shows it, and the colour left out when it is drawn.
struct TStateGlyph {
    QImage Image;
    TColor TransparentColor = clBlack;
};

// A flat, custom-drawn speed button: a solid or gradient face from one of two colour sets,
// a glyph that shines while the mouse is over it and fades when disabled, a caption with
// optional shadow and highlight, and one of three frames. Buttons with the same non-zero
// GroupIndex under one parent latch down one at a time, together with the other group
// buttons of that parent.
class TShineSpeedButton : public QWidget, public TGroupButton {
    Q_OBJECT

public:
    explicit TShineSpeedButton(QWidget* parent = nullptr);
    ~TShineSpeedButton() override;

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int groupIndex);
    bool Down() const override { return FDown; }
    void SetDown(bool down);
    bool AllowAllUp() const override { return FAllowAllUp; }
    void SetAllowAllUp(bool allowAllUp);

    bool ClickDownHook() const { return FClickDownHook; }
    void SetClickDownHook(bool hook);
    bool AccelCharDown() const { return FAccelCharDown; }
    void SetAccelCharDown(bool accelCharDown);

    TFrameType FrameType() const { return FFrameType; }
    void SetFrameType(TFrameType frameType);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    bool ActiveFrame() const { return FActiveFrame; }
    void SetActiveFrame(bool activeFrame);
    bool UpFrame() const { return FUpFrame; }
    void SetUpFrame(bool upFrame);
    bool DownFrame() const { return FDownFrame; }
    void SetDownFrame(bool downFrame);

    TActiveImageType ActiveImage() const { return FActiveImage; }
    void SetActiveImage(TActiveImageType activeImage);
    TDisabledImageType DisabledImage() const { return FDisabledImage; }
    void SetDisabledImage(TDisabledImageType disabledImage);
    TColor DisabledHighlight() const { return FDisabledHighlight; }
    void SetDisabledHighlight(TColor color);
    TColor DisabledShadow() const { return FDisabledShadow; }
    void SetDisabledShadow(TColor color);
    TColor ShineColor() const { return FShineColor; }
    void SetShineColor(TColor color);

    // The colour sets of the raised looks and of the pressed looks; setting copies.
    TShineBtnColors* Colors() const { return FColors.get(); }
    void SetColors(const TShineBtnColors* colors);
    TShineBtnColors* PressedColors() const { return FPressedColors.get(); }
    void SetPressedColors(const TShineBtnColors* colors);

    // The caption font of the non-hot looks and of the hot ones; setting copies, and an
    // empty argument changes nothing.
    TButtonFont* Font() const { return FFont.get(); }
    void SetFont(const TButtonFont* font);
    TButtonFont* ActiveFont() const { return FActiveFont.get(); }
    void SetActiveFont(const TButtonFont* font);
    // Caption copies one pixel up-left and down-right; clNone draws none.
    TColor FontHighlight() const { return FFontHighlight; }
    void SetFontHighlight(TColor color);
    TColor FontShadow() const { return FFontShadow; }
    void SetFontShadow(TColor color);

    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout layout);
    // Distance of the content from the edge the layout names; negative centres it.
    int Margin() const { return FMargin; }
    void SetMargin(int margin);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int spacing);

    // Always held as a 32-bit image; a null image clears it.
    const QImage& Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& glyph);

    // "&" marks the accelerator letter, "\n" starts a new line.
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    // The visual state: 0 down and hot, 1 down, 2 hot, 3 up, 4 disabled.
    std::uint8_t State() const { return FState; }
    bool MouseOver() const { return FMouseOver; }
    bool Holding() const { return FHolding; }
    const TTimer& ActiveButtonTimer() const { return *FActiveButtonTimer; }

    // Draws the whole button in its own coordinates.
    void Paint(QPainter& canvas);
    void BackDraw(QPainter& canvas);
    void ImageDraw(QPainter& canvas);
    void FrameDraw(QPainter& canvas);
    // The glyph as the current state shows it; a null image for an empty glyph.
    TStateGlyph CreateStateGlyph() const;
    // Where the glyph goes and which rectangle the caption takes, in the given font.
    void CalcDrawPosition(const QFont& font, QPoint& glyphPos, TRect& textRect) const;

    // Runs OnClick, with the pressed look shown meanwhile when ClickDownHook is set.
    void Click();
    // The caption's accelerator: true when key is it and the button took it.
    bool CMDialogChar(QChar key);

    virtual void MouseEnter(TShiftState shift, int x, int y);
    virtual void MouseLeave(TShiftState shift, int x, int y);
    // Settles the hot state from where the cursor really is.
    void UpdateTracking();
    // The hover timer's tick: a leave the window system did not report is caught here.
    void ActiveButtonTimerOnTimer();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseMoveEvent OnMouseEnter;
    TMouseMoveEvent OnMouseLeave;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void customEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void CMMouseEnter();
    void CMMouseLeave();
    void CMEnabledChanged();
    void CMButtonPressed(int groupIndex, QObject* sender);
    void GroupUpdateStatus(int groupIndex);
    void FontsAndColorsOnChange();
    void GlyphOnChange();
    void GrabAccelerator();
    bool InClient(int x, int y) const;
    QPoint CursorInClient() const;
    template <typename T>
    void StoreAndInvalidate(T& field, T value);

    int FGroupIndex = 0;
    bool FDown = false;
    bool FClickDownHook = false;
    bool FAccelCharDown = false;
    TFrameType FFrameType = TFrameType::ftNormalFrame;
    bool FTransparent = false;
    bool FActiveFrame = true;
    bool FUpFrame = true;
    bool FDownFrame = true;
    TActiveImageType FActiveImage = TActiveImageType::aiFrameLight;
    TDisabledImageType FDisabledImage = TDisabledImageType::diDefault;
    TColor FDisabledHighlight = clBtnHighlight;
    TColor FDisabledShadow = clBtnShadow;
    std::unique_ptr<TShineBtnColors> FColors;
    std::unique_ptr<TShineBtnColors> FPressedColors;
    TColor FShineColor = clYellow;
    std::unique_ptr<TButtonFont> FFont;
    TColor FFontHighlight = clNone;
    TColor FFontShadow = clNone;
    std::unique_ptr<TButtonFont> FActiveFont;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    QImage FGlyph;
    QString FCaption;
    int FAccelShortcut = 0;

    std::uint8_t FState = 3;
    bool FMouseOver = false;
    bool FHolding = false;
    TTimer* FActiveButtonTimer = nullptr;
};
