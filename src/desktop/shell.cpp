#include "desktop/shell.h"

#include <QDesktopServices>
#include <QUrl>

void QtShellService::OpenUrl(const QString& url)
{
    // Already escaped: strict parsing keeps "%26" and "%23" as they are.
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}
