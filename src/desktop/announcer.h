#pragma once

#include "desktop/accessiblewidget.h"

#include <QString>
#include <QWidget>

// Speaks a message through a screen reader without showing anything or taking the keyboard
// focus. Screen readers of the Qt 6.4 era speak a name change only on the focused object, and
// the toolkit has no announcement event yet; a notification that shows is spoken wherever it
// is. So the announcer is an empty child of the window, read as a notification whose name is
// the message, that reports itself shown anew for each message.
class TAnnouncer : public QWidget {
    Q_OBJECT

public:
    explicit TAnnouncer(QWidget* parent);
    void Announce(const QString& message);
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

class TAccessibleAnnouncer : public TAccessibleWidget {
public:
    explicit TAccessibleAnnouncer(TAnnouncer* announcer);
    QString text(QAccessible::Text t) const override;
};
