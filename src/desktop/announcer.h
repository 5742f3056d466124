#pragma once

#include "desktop/accessiblewidget.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Speaks a message through a screen reader without showing anything or taking the keyboard
// focus. From Qt 6.8 that is an announcement event. Before it, screen readers speak a name
// change only on the focused object, but a notification that shows is spoken wherever it is:
// the announcer is an empty child of the window, read as a notification whose name is the
// message, that reports itself shown anew for each message.
//
// A screen reader reads the message after the event, and hears one message of two sent
// before it got there: messages given together are joined and sent once, at the next turn
// of the event loop, and a message never follows the one before it by less than kSpacing.
class TAnnouncer : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSpacing = 400; // milliseconds

    explicit TAnnouncer(QWidget* parent);
    void Announce(const QString& message);
    // Sends what waits now; the timer calls it.
    void Flush();
    // What a screen reader reads: the last message sent.
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
    QStringList FPending;
    QTimer FFlushTimer;
    QElapsedTimer FSinceSent;
};

class TAccessibleAnnouncer : public TAccessibleWidget {
public:
    explicit TAccessibleAnnouncer(TAnnouncer* announcer);
    QString text(QAccessible::Text t) const override;
};
