#include "platform/appdir.h"

#include <QCoreApplication>

QString ApplicationDir()
{
    const QString directory = QCoreApplication::applicationDirPath();
    return directory.endsWith(u'/') ? directory : directory + u'/';
}
