#include "platform/accessibility.h"

void NotifyAccessibleName(QObject* object, int child)
{
    QAccessibleEvent event(object, QAccessible::NameChanged);
    if (child >= 0)
        event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleValue(QObject* object, const QVariant& value)
{
    QAccessibleValueChangeEvent event(object, value);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleState(QObject* object, QAccessible::State changed)
{
    QAccessibleStateChangeEvent event(object, changed);
    QAccessible::updateAccessibility(&event);
}
