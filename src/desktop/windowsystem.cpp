#include "desktop/windowsystem.h"

#include <QStringList>
#include <QtGlobal>

bool PrefersXwayland(const QString& chosenPlatform, const QString& currentDesktop, const QString& x11Display,
                     const QString& waylandDisplay, const QVersionNumber& qt)
{
    if (!chosenPlatform.isEmpty() || x11Display.isEmpty() || waylandDisplay.isEmpty())
        return false;
    return currentDesktop.split(u':').contains(QStringLiteral("GNOME"), Qt::CaseInsensitive) &&
           qt < QVersionNumber(6, 8);
}

TWindowSystemChoice::TWindowSystemChoice()
    : FChosen(PrefersXwayland(qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                              qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"),
                              QVersionNumber::fromString(QString::fromLatin1(qVersion()))))
{
    // Natively after all when Xwayland does not answer.
    if (FChosen)
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

void TWindowSystemChoice::Forget()
{
    if (FChosen)
        qunsetenv("QT_QPA_PLATFORM");
    FChosen = false;
}
