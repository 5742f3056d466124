#include "desktop/announcer.h"

#include <QAccessible>
#include <QtGlobal>

TAnnouncer::TAnnouncer(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Shown, with no size: a hidden widget would read as hidden to tools that check.
    setGeometry(0, 0, 0, 0);
    show();
    FFlushTimer.setSingleShot(true);
    connect(&FFlushTimer, &QTimer::timeout, this, &TAnnouncer::Flush);
}

void TAnnouncer::Announce(const QString& message)
{
    FPending.append(message);
    if (FFlushTimer.isActive())
        return;
    const qint64 since = FSinceSent.isValid() ? FSinceSent.elapsed() : kSpacing;
    FFlushTimer.start(int(qMax<qint64>(0, kSpacing - since)));
}

void TAnnouncer::Flush()
{
    FFlushTimer.stop();
    if (FPending.isEmpty())
        return;
    FMessage = FPending.join(QStringLiteral(", "));
    FPending.clear();
    FSinceSent.start();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, FMessage);
#else
    // A real hide and show would do the same, and repaint the window twice.
    QAccessibleEvent event(this, QAccessible::ObjectShow);
#endif
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
