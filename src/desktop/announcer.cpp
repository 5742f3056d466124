#include "desktop/announcer.h"

#include <QAccessible>

TAnnouncer::TAnnouncer(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Shown, with no size: a hidden widget would read as hidden to tools that check.
    setGeometry(0, 0, 0, 0);
    show();
}

void TAnnouncer::Announce(const QString& message)
{
    FMessage = message;
    // A real hide and show would do the same, and repaint the window twice.
    QAccessibleEvent event(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

TAccessibleAnnouncer::TAccessibleAnnouncer(TAnnouncer* announcer)
    : TAccessibleWidget(announcer, QAccessible::Notification)
{
}

QString TAccessibleAnnouncer::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<const TAnnouncer*>(widget())->Message();
    return TAccessibleWidget::text(t);
}
