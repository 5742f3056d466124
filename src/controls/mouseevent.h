#pragma once

#include <QFlags>
#include <functional>
#include <optional>

class QMouseEvent;
class QObject;

// The mouse buttons the controls report to their owners.
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse event; ssDouble marks the second press of a double click.
enum class TShiftFlag : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

using TNotifyEvent = std::function<void(QObject* sender)>;
using TMouseEvent = std::function<void(QObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(QObject* sender, TShiftState shift, int x, int y)>;

// The button that changed in a press or release; none for buttons the controls ignore.
std::optional<TMouseButton> MouseButtonOf(const QMouseEvent& event);

// Modifier keys and buttons held, as the event reports them (after a press, the pressed
// button is held; after a release, the released one no longer is).
TShiftState ShiftStateOf(const QMouseEvent& event);

// A press, double click or release as the controls hand it to their owners' events.
struct TMouseAction {
    TMouseButton button = TMouseButton::mbLeft;
    TShiftState shift;
    int x = 0;
    int y = 0;
};

// The action of a button event; none for buttons the controls ignore. A double click's
// second press carries ssDouble.
std::optional<TMouseAction> MouseActionOf(const QMouseEvent& event);
