#pragma once

#include "controls/buttonpressed.h"
#include "controls/mouseevent.h"
#include "desktop/colors.h"

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>

class QPainter;

// Where the glyph sits relative to the caption block.
enum class TdxfButtonLayout { dxfGlyphLeft, dxfGlyphRight, dxfGlyphTop, dxfGlyphBottom };

// Where a colour button draws its glyph and each caption line: top-left corners.
struct TdxfCaptionPlacement {
    QPoint Glyph;
    std::vector<QPoint> Lines;
};

// Lays out a glyph and caption lines of the given widths on a control of the given size:
// the block of glyph and text is centred, four pixels apart when there are both, and a
// pressed button moves everything one pixel right and down.
TdxfCaptionPlacement LayoutCaption(QSize control, QSize glyph, const std::vector<int>& lineWidths, int lineHeight,
                                   TdxfButtonLayout layout, bool down);

// An elliptical push button whose face is a pre-rendered sphere of the button's colour; the
// pressed face sets an inverted dish into it. The caption is a list of lines drawn over the
// face beside an optional glyph. Buttons with the same non-zero GroupIndex under one parent
// latch down one at a time, together with the other group buttons of that parent.
class TdxfColorButton : public QWidget, public TGroupButton {
    Q_OBJECT

public:
    explicit TdxfColorButton(QWidget* parent = nullptr);

    bool AllowAllUp() const override { return FAllowAllUp; }
    void SetAllowAllUp(bool allowAllUp);

    const QStringList& Caption() const { return FCaption; }
    void SetCaption(const QStringList& caption);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    bool Down() const override { return FDown; }
    void SetDown(bool down);

    // The colour of the caption, which the platform keeps with the font.
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color);

    // Drawn without the colour of its bottom-left pixel.
    const QImage& Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& glyph);

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int groupIndex);

    TdxfButtonLayout Layout() const { return FLayout; }
    void SetLayout(TdxfButtonLayout layout);

    // True while the pressed face is the one shown.
    bool DrawDown() const { return FDrawDown; }
    bool MouseDown() const { return FMouseDown; }
    bool MouseOver() const { return FMouseOver; }

    const QImage& UpBmp() const { return FUpBmp; }
    const QImage& DownBmp() const { return FDownBmp; }

    // Renders both faces at the current size and colour.
    void CreateBitmaps();
    // Renders one face onto an image of the control's size.
    void PaintToBmp(QImage& bitmap, bool down) const;
    // Cuts the widget, and with it where the mouse reaches it, to the inscribed ellipse.
    void SetRegion();

    // Copies the face the button shows and draws glyph and caption over it.
    void Paint(QPainter& canvas);
    void DrawCaption(QPainter& canvas);

    // Raises OnClick, but only while the button is enabled.
    void Click();

    // A key that holds the button as the left mouse button does, for owners that give a key
    // that role: KeyDown raises OnMouseDown and shows the pressed face, KeyUp raises OnClick
    // and OnMouseUp and lets the face up again. One press at a time: a key press while a
    // mouse button holds the button is refused, and mouse presses while the key holds it are
    // not passed on. A disabled button refuses both, as it takes no mouse input. Callers
    // leave out the key's auto-repeats; a second KeyDown without KeyUp is a new press, as
    // a mouse press is after a release that never arrived. Each returns whether it counted.
    bool KeyDown();
    bool KeyUp();
    bool KeyHeld() const { return FKeyDown; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void customEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void UpdateExclusive();
    void CMButtonPressed(int groupIndex, QObject* button);
    void CMMouseEnter();
    void CMMouseLeave();
    // While the mouse is captured Qt reports no enter or leave, so the pointer's way in
    // and out of the ellipse is followed here.
    void TrackPointer(const QPoint& position);
    bool IsOverShape(const QPoint& position) const;
    // A press or the second press of a double click, by any mouse button.
    void Press(const QMouseEvent& event, bool doubleClick);
    void LeftPressed();
    void LeftReleased(bool over, bool pressed);
    void SetDrawDown(bool drawDown);
    void NotifyPressedChanged();
    void DrawCaptionLine(QPainter& canvas, const QString& line, const QPoint& baseline) const;

    TColor FColor = clWhite;
    bool FDown = false;
    bool FDrawDown = false;
    bool FMouseDown = false;
    bool FMouseOver = false;
    bool FClickPending = false;
    bool FKeyDown = false;
    // Mouse buttons whose press was passed on and not yet released; and those whose press
    // came while the key held the button, so their release is not passed on either.
    Qt::MouseButtons FMouseHeld;
    Qt::MouseButtons FMouseRefused;
    QStringList FCaption;
    QImage FUpBmp;
    QImage FDownBmp;
    qreal FBmpRatio = 1; // device pixels per pixel of the two bitmaps
    QImage FGlyph;
    QImage FTransparentGlyph;
    TdxfButtonLayout FLayout = TdxfButtonLayout::dxfGlyphLeft;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    TColor FFontColor = clWindowText;
};
