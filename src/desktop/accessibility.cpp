#include "desktop/accessibility.h"

void NotifyAccessibleName(QObject* object, int child)
{
    QAccessibleEvent change(object, QAccessible::NameChanged);
    if (child >= 0)
        change.setChild(child);
    QAccessible::updateAccessibility(&change);
}

void NotifyAccessibleValue(QObject* object, const QVariant& value)
{
    QAccessibleValueChangeEvent change(object, value);
    QAccessible::updateAccessibility(&change);
}

void NotifyAccessibleState(QObject* object, QAccessible::State changed)
{
    QAccessibleStateChangeEvent change(object, changed);
    QAccessible::updateAccessibility(&change);
}
