#include "desktop/errorguard.h"

#include "services/cp932.h"

#include <QGuiApplication>

QString ExceptionDisplayText(const QString& message)
{
    if (message.isEmpty())
        return message;
    // The comparison is on the first byte of the last character in the ANSI code page,
    // so any double-byte character counts as sorting after ".".
    const QByteArray bytes = cp932::encode(message);
    int last = 0;
    for (int at = 0; at < bytes.size(); at += cp932::CharByteLength(bytes, at))
        last = at;
    if (static_cast<unsigned char>(bytes.at(last)) > '.')
        return message + QLatin1Char('.');
    return message;
}

void ShowException(MessageBoxService& messageBox, const QString& message)
{
    messageBox.Show(QGuiApplication::applicationDisplayName(), ExceptionDisplayText(message),
                    MessageBoxService::Icon::Error);
}
