#pragma once

#include <QString>
#include <QVersionNumber>

// Whether the game should show through Xwayland rather than natively on this Wayland desktop.
// Before Qt 6.8, a native window on GNOME draws Qt's own title bar, foreign there and with a
// maximize button even on a window of one size, and GNOME cannot centre its boxes over it;
// through Xwayland GNOME draws and places all of them itself. A platform the player chose
// always wins.
bool PrefersXwayland(const QString& chosenPlatform, const QString& currentDesktop, const QString& x11Display,
                     const QString& waylandDisplay, const QVersionNumber& qt);

// The window system for this run, as the environment and the running Qt say: set for the
// application's start, then taken back so that programs the game starts choose their own.
class TWindowSystemChoice {
public:
    TWindowSystemChoice();
    void Forget();

private:
    bool FChosen = false;
};
