#pragma once

#include "desktop/colors.h"

#include <QWidget>

class QPainterPath;

enum class TShapeType { stRectangle, stEllipse, stCircle };
enum class TBrushStyle { bsSolid, bsClear, bsHorizontal };

// A windowless geometric figure: outline in the pen colour, filled by the brush. Hatched
// and clear brushes let whatever lies beneath show through.
class TShape : public QWidget {
    Q_OBJECT

public:
    explicit TShape(QWidget* parent = nullptr);

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType shape);
    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor color);
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor color);
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle style);

    void Paint(QPainter& canvas);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FillInside(QPainter& canvas, const QPainterPath& inside, const QBrush& brush, bool scaled) const;

    TShapeType FShape = TShapeType::stRectangle;
    TColor FPenColor = clBlack;
    TColor FBrushColor = clWhite;
    TBrushStyle FBrushStyle = TBrushStyle::bsSolid;
};
