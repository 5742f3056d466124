#include "controls/buttonpressed.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

const TGroupButton* GroupButtonOf(const QObject* sender)
{
    return dynamic_cast<const TGroupButton*>(sender);
}

void BroadcastButtonPressed(QWidget* parent, int groupIndex, QObject* button)
{
    if (!parent)
        return;
    QList<QPointer<QWidget>> receivers;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        receivers.append(child);
    for (const QPointer<QWidget>& receiver : receivers) {
        if (!receiver)
            continue;
        TButtonPressedEvent notice(groupIndex, button);
        QCoreApplication::sendEvent(receiver, &notice);
    }
}
