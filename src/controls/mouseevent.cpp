#include "controls/mouseevent.h"

#include <QMouseEvent>

std::optional<TMouseButton> MouseButtonOf(const QMouseEvent& event)
{
    switch (event.button()) {
    case Qt::LeftButton: return TMouseButton::mbLeft;
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return std::nullopt;
    }
}

TShiftState ShiftStateOf(const QMouseEvent& event)
{
    TShiftState shift;
    const Qt::KeyboardModifiers keys = event.modifiers();
    shift.setFlag(TShiftFlag::ssShift, keys.testFlag(Qt::ShiftModifier));
    shift.setFlag(TShiftFlag::ssAlt, keys.testFlag(Qt::AltModifier));
    shift.setFlag(TShiftFlag::ssCtrl, keys.testFlag(Qt::ControlModifier));
    const Qt::MouseButtons buttons = event.buttons();
    shift.setFlag(TShiftFlag::ssLeft, buttons.testFlag(Qt::LeftButton));
    shift.setFlag(TShiftFlag::ssRight, buttons.testFlag(Qt::RightButton));
    shift.setFlag(TShiftFlag::ssMiddle, buttons.testFlag(Qt::MiddleButton));
    return shift;
}

std::optional<TMouseAction> MouseActionOf(const QMouseEvent& event)
{
    const std::optional<TMouseButton> button = MouseButtonOf(event);
    if (!button)
        return std::nullopt;
    TShiftState shift = ShiftStateOf(event);
    if (event.type() == QEvent::MouseButtonDblClick)
        shift |= TShiftFlag::ssDouble;
    const QPoint at = event.position().toPoint();
    return TMouseAction{*button, shift, at.x(), at.y()};
}
