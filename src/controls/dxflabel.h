#pragma once

#include "controls/customlabel.h"
#include "desktop/colors.h"

#include <QImage>
#include <QPoint>
#include <cstdint>
#include <memory>

class QPainter;
class QWidget;

enum class TdxfLabelStyle { dxfNormal, dxfRaised, dxfLowered, dxfOutLine };
enum class TdxfEffectStyle { dxfFun, dxfExtrude, dxfCool };
enum class TdxfOrientation {
    dxfLeft,
    dxfRight,
    dxfTop,
    dxfBottom,
    dxfLeftTop,
    dxfLeftBottom,
    dxfRightTop,
    dxfRightBottom
};

// Screen offset of an effect of the given depth in the given direction (x right, y down).
QPoint EffectOffset(TdxfOrientation orientation, int depth);

// The colour step/steps of the way from first toward second, channel by channel, from the
// raw colour bits (system colours are not resolved) and truncated toward zero.
TColor GetColor(TColor first, TColor second, int step, int steps);

// The offset copies drawn behind a TdxfLabel's face. It repaints its label on every change.
class Tdxf3DEffect {
public:
    explicit Tdxf3DEffect(QWidget* owner = nullptr) : FOwner(owner) {}
    Tdxf3DEffect(const Tdxf3DEffect&) = delete;
    Tdxf3DEffect& operator=(const Tdxf3DEffect&) = delete;

    TdxfEffectStyle Style() const { return FStyle; }
    void SetStyle(TdxfEffectStyle style);

    TdxfOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TdxfOrientation orientation);

    // Size of the effect in pixels; 0 draws none.
    std::uint16_t Depth() const { return FDepth; }
    void SetDepth(std::uint16_t depth);

    TColor ShadowedColor() const { return FShadowedColor; }
    void SetShadowedColor(TColor color);

    // Takes over the four values of source; the owner stays.
    void Assign(const Tdxf3DEffect& source);

private:
    void Changed();

    QWidget* FOwner = nullptr;
    TdxfEffectStyle FStyle = TdxfEffectStyle::dxfFun;
    TdxfOrientation FOrientation = TdxfOrientation::dxfLeft;
    std::uint16_t FDepth = 0;
    TColor FShadowedColor = clBlack;
};

// A one-line caption centred in the control and turned by Angle about its centre, with a
// plain, raised, lowered or outlined face over optional offset copies, optionally filled
// with a tiled picture. It composes everything in the shared DrawBmp and copies the result
// in one step, leaving its Color transparent when Transparent is on.
class TdxfLabel : public TCustomLabel {
    Q_OBJECT

public:
    explicit TdxfLabel(QWidget* parent = nullptr);
    ~TdxfLabel() override;

    TdxfLabelStyle Style() const { return FStyle; }
    void SetStyle(TdxfLabelStyle style);

    // Counter-clockwise rotation in degrees, 0 to 360. A non-zero angle needs an outline font.
    int Angle() const { return FAngle; }
    void SetAngle(int angle);

    // Rotation of the font in tenths of a degree, 0 to 3590.
    int Escapement() const;

    Tdxf3DEffect* Effect3D() const { return FEffect3D.get(); }
    void Set3DEffect(const Tdxf3DEffect* effect);

    const QImage& Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& glyph);

    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int width);

    // When on, Color follows the background behind the label: the palette colour of the
    // nearest ancestor that sets one, the button face colour otherwise. On by default;
    // setting Color switches it off.
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool parentColor);
    void SetColor(TColor color);

    // The font's size in points at 96 pixels per inch; setting it keeps family and weight.
    int FontSize() const;
    void SetFontSize(int points);

    // Top-left of text measuring width x height, turned counter-clockwise by angle degrees
    // about that point, so that its centre lands on (centreX, centreY). Halves round to even.
    static QPoint TextOrigin(int centreX, int centreY, int width, int height, int angle);

    // Draws the whole label in its own coordinates.
    void Paint(QPainter& canvas);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void TransparentChanged() override;

private:
    class TTurnedCaption;

    TColor ParentBackground() const;
    // The font the caption is drawn in; asking about the font itself would load a second one.
    QFont Face() const;
    // The steps of Paint: offset copies behind, the face, then the glyph inside the letters.
    void DrawEffectCopies(TTurnedCaption& text, const QPoint& origin) const;
    void DrawFace(TTurnedCaption& text, const QPoint& origin, bool outlineFont) const;
    void FillWithGlyph(QPainter& surface, TTurnedCaption& text, const QPoint& origin) const;

    TdxfLabelStyle FStyle = TdxfLabelStyle::dxfNormal;
    int FAngle = 0;
    std::unique_ptr<Tdxf3DEffect> FEffect3D;
    QImage FGlyph;
    int FPenWidth = 1;
    bool FParentColor = true;
};
