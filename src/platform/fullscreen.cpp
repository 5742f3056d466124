#include "platform/fullscreen.h"

#include <QScreen>
#include <QWidget>

void ShowFullScreen(QWidget& window)
{
    // Without a window manager nobody answers the request, so the geometry is set to the
    // screen's as well; a compositor that places windows itself ignores that and sizes it.
    const Qt::WindowStates state = window.windowState() | Qt::WindowFullScreen;
    if (const QScreen* shown = window.screen())
        window.setGeometry(shown->geometry());
    window.setWindowState(state); // a new geometry ends the full-screen state
}

void ShowNormal(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
}
