#include "platform/errorguard.h"

#include "platform/application.h"

#include <QGuiApplication>

void ShowException(MessageBoxService& messageBox, const QString& message)
{
    messageBox.Show(QGuiApplication::applicationDisplayName(), ExceptionDisplayText(message),
                    MessageBoxService::Icon::Error);
}
