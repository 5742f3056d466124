#include "desktop/fullscreen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

class TRedrawOnExpose final : public QObject {
public:
    TRedrawOnExpose(QWidget& window, QWindow& shown) : QObject(&shown), FWindow(window) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose)
            FWindow.update();
        return false;
    }

private:
    QWidget& FWindow;
};

} // namespace

bool DesktopSizesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void ShowFullScreen(QWidget& window)
{
    // Without a window manager nobody answers the request, so on X11 the geometry is set to the
    // screen's as well. A Wayland desktop always answers, and sizing the window first would
    // have it painted for a size whose title bar it has not yet lost. It takes new size limits
    // only with the window's next frame but answers the request as it arrives: that frame goes
    // first, or the limits of the fixed-size window would keep it at its size.
    const Qt::WindowStates state = window.windowState() | Qt::WindowFullScreen;
    if (DesktopSizesWindows())
        window.repaint();
    else if (const QScreen* shown = window.screen())
        window.setGeometry(shown->geometry());
    window.setWindowState(state); // a new geometry ends the full-screen state
}

void ShowNormal(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
}

void RedrawWhenShown(QWidget& window)
{
    if (QWindow* shown = window.windowHandle())
        shown->installEventFilter(new TRedrawOnExpose(window, *shown));
}
