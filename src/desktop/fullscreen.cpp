#include "desktop/fullscreen.h"

#include <QApplication>
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

// Gives a window its largest size back when it first shows, then goes.
class TLargestSizeOnExpose final : public QObject {
public:
    TLargestSizeOnExpose(QWindow& shown, const QWidget& owner) : QObject(&shown), FOwner(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            static_cast<QWindow*>(watched)->setMaximumSize(FOwner.maximumSize());
            deleteLater();
        }
        return false;
    }

private:
    const QWidget& FOwner;
};

// Holds a window's largest size back from the desktop until the window's first frame. A
// Wayland desktop that takes it before that frame may add no shadow margins to it, and GNOME
// Shell 43 keeps it so: a fixed-size window shows smaller by its shadows, cut, for good.
class TSizeLimitsWithFirstFrame final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window comes after its widget, whose own show has set its limits (a message box
        // sizes itself then); each showing is a new surface for the desktop.
        if (event->type() == QEvent::Show && watched->isWindowType() && !event->spontaneous()) {
            auto* shown = static_cast<QWindow*>(watched);
            if (const QWidget* owner = QWidget::find(shown->winId())) {
                shown->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
                shown->installEventFilter(new TLargestSizeOnExpose(*shown, *owner));
            }
        }
        return false;
    }
};

} // namespace

void HoldSizeLimitsForFirstFrames(QApplication& application)
{
    if (DesktopSizesWindows())
        application.installEventFilter(new TSizeLimitsWithFirstFrame(&application));
}

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
