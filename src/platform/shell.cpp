#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

void QtShellService::OpenUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}
