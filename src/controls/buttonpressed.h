#pragma once

#include <QEvent>

class QObject;
class QWidget;

// Tells the buttons of a parent that a grouped button went down, so that the other
// members of its group can release themselves. Buttons receive it in customEvent.
class TButtonPressedEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::Type(QEvent::User + 0x18);

    TButtonPressedEvent(int groupIndex, QObject* button) : QEvent(kType), FGroupIndex(groupIndex), FButton(button) {}

    int GroupIndex() const { return FGroupIndex; }
    // The button whose group state changed; it receives the notification as well.
    QObject* Button() const { return FButton; }

private:
    int FGroupIndex = 0;
    QObject* FButton = nullptr;
};

// What the members of a group read from the button that sent the notification. A sender
// that does not offer it is heard by nobody that needs it.
class TGroupButton {
public:
    virtual bool Down() const = 0;
    virtual bool AllowAllUp() const = 0;

protected:
    ~TGroupButton() = default;
};

// The group state of a notification's sender, or none.
const TGroupButton* GroupButtonOf(const QObject* sender);

// Sends the notification synchronously to every direct child widget of parent, in
// creation order. A child deleted by an earlier recipient is skipped.
void BroadcastButtonPressed(QWidget* parent, int groupIndex, QObject* button);
