#pragma once

#include <QAccessible>
#include <QVariant>

class QObject;

// Tells assistive tools that something they read has changed. Sent whether or not a tool
// listens, as Qt's own widgets do: without one it costs a look-up of the object's interface.

// The name (a label's text, a button's caption) of the object, or of its child'th child.
void NotifyAccessibleName(QObject* object, int child = -1);
// The value of a progress bar and the like.
void NotifyAccessibleValue(QObject* object, const QVariant& value);
// The states that changed, such as pressed.
void NotifyAccessibleState(QObject* object, QAccessible::State changed);
