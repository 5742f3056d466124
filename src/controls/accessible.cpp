#include "controls/accessible.h"

#include "controls/customlabel.h"
#include "controls/dxfcolorbutton.h"
#include "controls/dxfprogressbar.h"

TAccessibleLabel::TAccessibleLabel(TCustomLabel* label) : TAccessibleWidget(label, QAccessible::StaticText) {}

QString TAccessibleLabel::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<const TCustomLabel*>(widget())->Caption();
    return TAccessibleWidget::text(t);
}

TAccessibleColorButton::TAccessibleColorButton(TdxfColorButton* button) : TAccessibleWidget(button, QAccessible::Button)
{
}

QString TAccessibleColorButton::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<const TdxfColorButton*>(widget())->Caption().join(u' ');
    return TAccessibleWidget::text(t);
}

QAccessible::State TAccessibleColorButton::state() const
{
    QAccessible::State state = TAccessibleWidget::state();
    state.pressed = static_cast<const TdxfColorButton*>(widget())->DrawDown();
    return state;
}

TAccessibleProgressBar::TAccessibleProgressBar(TdxfProgressBar* bar) : TAccessibleWidget(bar, QAccessible::ProgressBar)
{
}

TdxfProgressBar* TAccessibleProgressBar::Bar() const
{
    return static_cast<TdxfProgressBar*>(widget());
}

void* TAccessibleProgressBar::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return TAccessibleWidget::interface_cast(t);
}

QString TAccessibleProgressBar::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return Bar()->PositionText();
    return TAccessibleWidget::text(t);
}

QVariant TAccessibleProgressBar::currentValue() const
{
    return Bar()->Position();
}

QVariant TAccessibleProgressBar::maximumValue() const
{
    return Bar()->Max();
}

QVariant TAccessibleProgressBar::minimumValue() const
{
    return Bar()->Min();
}

QVariant TAccessibleProgressBar::minimumStepSize() const
{
    return Bar()->Step();
}
