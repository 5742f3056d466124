#pragma once

#include "desktop/colors.h"
#include "desktop/rect.h"

#include <QWidget>

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

// The plain text label the effect labels build on: a windowless control whose caption,
// colours, alignment and wrapping decide how it draws, and which by default sizes itself
// to its text.
class TCustomLabel : public QWidget {
    Q_OBJECT

public:
    explicit TCustomLabel(QWidget* parent = nullptr);

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    // The colour of the text, which the platform keeps with the font.
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);

    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout layout);

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);

    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool show);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);

protected:
    // The caption as it is drawn: an empty caption, or a lone "&" while it marks an
    // accelerator, becomes one space so the text still has a line's height.
    QString DrawnCaption() const;
    void changeEvent(QEvent* event) override;
    // Called when Transparent has changed, before the repaint it causes.
    virtual void TransparentChanged() {}
    // The width a label that draws its caption a character at a time needs for it; 0 for one
    // that draws it whole.
    virtual int CharByCharWidth() const { return 0; }
    // Resizes the control to its text when AutoSize is on, keeping the right edge of a
    // right-aligned label in place.
    void AdjustBounds();

private:
    QString FCaption;
    TColor FColor = clBtnFace;
    TColor FFontColor = clWindowText;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TTextLayout FLayout = TTextLayout::tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    bool FAutoSize = true;
};
