#pragma once

#include "desktop/colors.h"
#include "desktop/rect.h"

#include <QImage>
#include <QWidget>
#include <cstdint>

class QPainter;

enum class TdxfBevelOuter : std::uint8_t { bvNone, bvLowered, bvRaised };
enum class TdxfPBOrientation : std::uint8_t { orVertical, orHorizontal };
enum class TdxfShowTextStyle : std::uint8_t { stsPercent, stsPosition };
enum class TdxfPBStyle : std::uint8_t { sSolid, sRectangles, sExSolid, sExRectangles, sPictures };

// The font a vertical bar writes its text in: the given one when it is an outline font,
// otherwise "Arial" (or the system's sans font where Arial is missing), since only
// outline fonts rotate cleanly.
QFont RotatedTextFont(const QFont& font);

// A progress bar filled from its start in proportion to Position between Min and Max:
// solid, in blocks, as a gradient, as gradient blocks or as a row of pictures, with
// optional bevels and the value or percentage as text. Position changes repaint only
// the span that changed, at once, so the bar can be stepped quickly without flicker.
class TdxfProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit TdxfProgressBar(QWidget* parent = nullptr);

    TdxfBevelOuter BarBevelOuter() const { return FBarBevelOuter; }
    void SetBarBevelOuter(TdxfBevelOuter bevel);

    TColor BeginColor() const { return FBeginColor; }
    void SetBeginColor(TColor color);

    TdxfBevelOuter BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TdxfBevelOuter bevel);

    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor color);

    // The text colour, which the platform keeps with the font.
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color);

    // The picture tiled by sPictures. Setting a non-empty one makes the bar as thick as
    // the picture plus the bevels: a vertical bar its width + 4, a horizontal one its height + 4.
    const QImage& Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& glyph);

    int Max() const { return FMax; }
    void SetMax(int value);

    int Min() const { return FMin; }
    void SetMin(int value);

    TdxfPBOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TdxfPBOrientation orientation);

    // Never clamped: a bar may be stepped past Max or set below Min.
    int Position() const { return FPosition; }
    void SetPosition(int value);

    bool ShowText() const { return FShowText; }
    void SetShowText(bool show);

    TdxfShowTextStyle ShowTextStyle() const { return FShowTextStyle; }
    void SetShowTextStyle(TdxfShowTextStyle style);

    int Step() const { return FStep; }
    void SetStep(int value) { FStep = value; }

    TdxfPBStyle Style() const { return FStyle; }
    void SetStyle(TdxfPBStyle style);

    bool TransparentGlyph() const { return FTransparentGlyph; }
    void SetTransparentGlyph(bool transparent);

    void StepIt();
    void StepBy(int delta);

    // Called once the bar's properties have all been set from a layout.
    void Loaded();

    // The text the bar shows for its current Position; an empty range reads as 0 %.
    QString PositionText() const;

    // Repaints, before returning, the part of the bar between the fill ends for
    // oldPosition and Position.
    void InvalidatePosition(int oldPosition);
    // Schedules the text box for the next ordinary paint: the box of the text at Max, and
    // of the current text where that is wider.
    void InvalidateText();

    // Draws the whole control in its own coordinates, off-screen first.
    void Paint(QPainter& canvas);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool HasRange() const { return FMax > FMin; }
    bool Horizontal() const { return FOrientation == TdxfPBOrientation::orHorizontal; }
    // How far along a bar of the given length the fill for value reaches, kept within
    // 0..length; an empty range never fills.
    int FillLength(int value, int length) const;
    QString TextFor(int value) const;
    QFont TextFont() const;
    TRect TextBox(const QString& text) const;

    void DrawFill(QPainter& surface, const TRect& bar, const TRect& fill);
    void DrawBlocks(QPainter& surface, const TRect& bar, const TRect& fill, bool gradient);
    void DrawPictures(QPainter& surface, const TRect& fill);
    void DrawBlock(QPainter& surface, const TRect& block, TColor color);
    void DrawBarBevel(QPainter& surface, const TRect& rect);
    void DrawPositionText(QPainter& surface);

    TdxfBevelOuter FBevelOuter = TdxfBevelOuter::bvLowered;
    TdxfBevelOuter FBarBevelOuter = TdxfBevelOuter::bvNone;
    TdxfPBOrientation FOrientation = TdxfPBOrientation::orVertical;
    int FMax = 100;
    int FMin = 0;
    int FPosition = 0;
    bool FShowText = false;
    TdxfShowTextStyle FShowTextStyle = TdxfShowTextStyle::stsPercent;
    TColor FBeginColor = clNavy;
    TColor FEndColor = clWhite;
    TdxfPBStyle FStyle = TdxfPBStyle::sRectangles;
    QImage FGlyph;
    int FStep = 10;
    bool FTransparentGlyph = true;
    TColor FFontColor = clWindowText;
};
