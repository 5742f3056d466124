#pragma once

#include "controls/customlabel.h"
#include "desktop/colors.h"
#include "desktop/rect.h"

#include <QImage>
#include <cstdint>
#include <functional>
#include <memory>

class QPainter;

// Red, green and blue bytes of a colour; system colours are resolved first.
void GetRGB(TColor color, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue);

// Fills a 32-bit image with a two-colour gradient from first (top row or left column)
// to second (bottom row or right column). An image with no pixels is left alone.
void GradBitmap(QImage& bitmap, TColor first, TColor second, bool vertical);

// Paints the same gradient onto a rectangle of any surface, by stretching a small image.
void GradRect(QPainter& canvas, const TRect& rect, TColor first, TColor second, bool vertical);

// Visibility, colour and offset of one offset copy of a label's text.
class TShadow {
public:
    bool Visible() const { return FVisible; }
    TColor Color() const { return FColor; }
    int OffsetLeft() const { return FOffsetLeft; }
    int OffsetTop() const { return FOffsetTop; }

    void SetShadowVisible(bool visible);
    void SetShadowColor(TColor color);
    void SetShadowLeft(int offset);
    void SetShadowTop(int offset);

    // Takes over all values of source and notifies once, changed or not.
    void Assign(const TShadow& source);

    std::function<void(TShadow*)> OnChange;

private:
    void Changed();

    bool FVisible = true;
    TColor FColor = clSilver;
    int FOffsetLeft = 1;
    int FOffsetTop = 1;
};

enum class TEllipsis { elNone, elEnd, elPath };
enum class TTextGradation { tgNone, tg2Colors, tg3Colors };

// A label that draws an optional gradient background, a shadow and a highlight copy of its
// text, and the text in one colour or running character by character through two or three.
class TShadowLabel : public TCustomLabel {
    Q_OBJECT

public:
    explicit TShadowLabel(QWidget* parent = nullptr);
    ~TShadowLabel() override;

    TEllipsis Ellipsis() const { return FEllipsis; }
    void SetEllipsis(TEllipsis ellipsis);

    // Paint off-screen and copy in one step; only opaque labels can.
    bool Flickerless() const { return FFlickerless; }
    void SetFlickerless(bool flickerless) { FFlickerless = flickerless; }

    bool GradateVert() const { return FGradateVert; }
    void SetGradateVert(bool vertical);

    bool Gradation() const { return FGradation; }
    void SetGradation(bool gradation);

    TColor GradationColor() const { return FGradationColor; }
    void SetGradationColor(TColor color);

    TShadow* Highlight() const { return FHighlight.get(); }
    void SetHighlight(const TShadow* highlight);

    TShadow* Shadow() const { return FShadow.get(); }
    void SetShadow(const TShadow* shadow);

    TTextGradation TextGradation() const { return FTextGradation; }
    void SetTextGradation(TTextGradation gradation);

    TColor TextGradationColor() const { return FTextGradationColor; }
    void SetTextGradationColor(TColor color);

    TColor TextMidColor() const { return FTextMidColor; }
    void SetTextMidColor(TColor color);

    // Draws the whole label in its own coordinates.
    void Paint(QPainter& canvas);

    // The text drawing flags that the current properties ask for.
    unsigned DrawTextFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    int CharByCharWidth() const override;

private:
    void ShadowChanged(TShadow* sender);
    // The steps of Paint: background, shadow and highlight copies, then the face.
    QImage BackgroundBitmap(qreal ratio) const;
    void DrawBackground(QPainter& canvas) const;
    void DrawCaption(QPainter& surface);
    TRect CaptionRect(QPainter& surface, const QString& caption, unsigned flags) const;
    void DrawShadowAndHighlight(QPainter& surface, const QString& caption, const TRect& rect, unsigned flags) const;
    void DrawCaptionFace(QPainter& surface, const QString& caption, TRect rect, unsigned flags);
    void DrawFace(QPainter& surface, const QStringList& characters, TRect& rect, unsigned flags);
    void GradText(QPainter& surface, TColor first, TColor second, const QStringList& piece, TRect& rect,
                  unsigned flags);

    TEllipsis FEllipsis = TEllipsis::elNone;
    bool FFlickerless = true;
    bool FGradateVert = false;
    bool FGradation = false;
    TColor FGradationColor = clBlue;
    std::unique_ptr<TShadow> FHighlight;
    std::unique_ptr<TShadow> FShadow;
    TTextGradation FTextGradation = TTextGradation::tgNone;
    TColor FTextGradationColor = clMaroon;
    TColor FTextMidColor = clNavy;
};
