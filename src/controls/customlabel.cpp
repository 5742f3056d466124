#include "controls/customlabel.h"

#include "desktop/accessibility.h"
#include "desktop/textdraw.h"

#include <QEvent>
#include <algorithm>

TCustomLabel::TCustomLabel(QWidget* parent) : QWidget(parent)
{
    resize(65, 17);
}

void TCustomLabel::SetCaption(const QString& caption)
{
    if (caption == FCaption)
        return;
    FCaption = caption;
    AdjustBounds();
    update();
    NotifyAccessibleName(this);
}

void TCustomLabel::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    update();
}

void TCustomLabel::SetFontColor(TColor color)
{
    if (color == FFontColor)
        return;
    FFontColor = color;
    update();
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == FAlignment)
        return;
    FAlignment = alignment;
    update();
}

void TCustomLabel::SetLayout(TTextLayout layout)
{
    if (layout == FLayout)
        return;
    FLayout = layout;
    update();
}

void TCustomLabel::SetWordWrap(bool wordWrap)
{
    if (wordWrap == FWordWrap)
        return;
    FWordWrap = wordWrap;
    AdjustBounds();
    update();
}

void TCustomLabel::SetShowAccelChar(bool show)
{
    if (show == FShowAccelChar)
        return;
    FShowAccelChar = show;
    AdjustBounds();
    update();
}

void TCustomLabel::SetTransparent(bool transparent)
{
    if (transparent == FTransparent)
        return;
    FTransparent = transparent;
    TransparentChanged();
    update();
}

void TCustomLabel::SetAutoSize(bool autoSize)
{
    if (autoSize == FAutoSize)
        return;
    FAutoSize = autoSize;
    AdjustBounds();
}

QString TCustomLabel::DrawnCaption() const
{
    if (FCaption.isEmpty() || (FShowAccelChar && FCaption == QLatin1String("&")))
        return FCaption + QLatin1Char(' ');
    return FCaption;
}

void TCustomLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize)
        return;
    unsigned flags = DT_EXPANDTABS | DT_CALCRECT;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    TRect rect{0, 0, width(), height()};
    CalcTextRect(font(), DrawnCaption(), rect, flags);
    // Each character's advance is rounded on its own, so drawn one by one a Latin caption can
    // be a few pixels wider than measured whole, and would lose its last letter.
    const int textWidth = std::max(rect.Right, CharByCharWidth());
    int left = x();
    if (FAlignment == TAlignment::taRightJustify)
        left += width() - textWidth;
    setGeometry(left, y(), textWidth, rect.Bottom);
}
