#include "game/layout.h"
#include "game/mainform.h"

#include "desktop/fullscreen.h"
#include "desktop/zoomhost.h"
#include "services/clock.h"

#include <QAction>
#include <QActionGroup>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace {

// How long a desktop may take to give a window back from full screen before the game sizes it.
constexpr int kDesktopAnswerTimeout = 500;

} // namespace

void TMainForm1::CreateViewMenu()
{
    O1->addSeparator();
    ZoomGroup = new QActionGroup(this);
    for (int zoom = 1; zoom <= TViewSettings::kMaxZoom; ++zoom) {
        // "×1" to "×3" read the same in every language.
        QAction* item =
            O1->addAction(QStringLiteral("\u00D7&%1").arg(zoom), this, Guard([this, zoom] { ZoomItemClick(zoom); }));
        item->setCheckable(true);
        ZoomGroup->addAction(item);
        ZoomItems[size_t(zoom - 1)] = item;
    }
    FullScreen1 = O1->addAction(tr("フルスクリーン(&F)"), this, Guard([this] { FullScreen1Click(); }));
    FullScreen1->setCheckable(true);
    FullScreen1->setShortcut(Qt::Key_F11);
    connect(O1, &QMenu::aboutToShow, this, [this] { EnableFittingZooms(); });
}

void TMainForm1::ZoomItemClick(int zoom)
{
    FView.zoom = zoom;
    FView.fullScreen = false;
    ShowView();
    KeepView();
}

void TMainForm1::FullScreen1Click()
{
    FView.fullScreen = !FView.fullScreen;
    ShowView();
    KeepView();
}

void TMainForm1::KeepView()
{
    SaveViewSettings(FServices.settingsFile, FView);
}

bool TMainForm1::ZoomFits(int zoom) const
{
    const QScreen* shown = screen();
    if (zoom == 1 || !shown)
        return zoom == 1;
    // The frame the window manager adds is known once the window shows; before, none is assumed.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
    const QSize needed =
        QSize(Layout::kClientWidth * zoom, Layout::kClientHeight * zoom + menuBar()->sizeHint().height()) + frame;
    const QSize available = shown->availableGeometry().size();
    return needed.width() <= available.width() && needed.height() <= available.height();
}

void TMainForm1::EnableFittingZooms()
{
    for (int zoom = 1; zoom <= TViewSettings::kMaxZoom; ++zoom)
        ZoomItems[size_t(zoom - 1)]->setEnabled(ZoomFits(zoom));
}

void TMainForm1::ShowView()
{
    ZoomItems[size_t(FView.zoom - 1)]->setChecked(true);
    FullScreen1->setChecked(FView.fullScreen);
    FLeavingFullScreen = false;
    if (FView.fullScreen) {
        if (!FZoomHost->Filling()) {
            FNormalPlace = frameGeometry().topLeft();
            const QRect frame = frameGeometry(), client = geometry();
            FNormalFrame = QMargins(client.left() - frame.left(), client.top() - frame.top(),
                                    frame.right() - client.right(), frame.bottom() - client.bottom());
            layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            FZoomHost->Fill();
        }
        ShowFullScreen(*this);
        return;
    }
    if (FZoomHost->Filling() && isVisible() && DesktopSizesWindows()) {
        // The desktop gives the window back at its old size when it answers; sized before,
        // it would be painted for margins its title bar does not have yet. Until then it
        // goes on filling whatever it has.
        ShowNormal(*this);
        FLeavingFullScreen = true;
        QTimer::singleShot(kDesktopAnswerTimeout, this, [this] { FinishLeavingFullScreen(); });
        return;
    }
    ShowNormalView();
}

void TMainForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (FLeavingFullScreen && !isFullScreen())
        FinishLeavingFullScreen();
}

void TMainForm1::FinishLeavingFullScreen()
{
    if (!FLeavingFullScreen)
        return;
    FLeavingFullScreen = false;
    ShowNormalView();
}

void TMainForm1::ShowNormalView()
{
    const bool wasFilling = FZoomHost->Filling();
    const QRect before = frameGeometry();
    ShowNormal(*this);
    // A screen too small for the chosen zoom gets the largest that fits; the choice stays.
    int zoom = FView.zoom;
    while (!ZoomFits(zoom))
        --zoom;
    FZoomHost->SetZoom(zoom);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    if (!isVisible())
        return;
    // The window keeps its place, or goes back to where it was before it filled the screen,
    // as far as the screen allows.
    QRect placed(wasFilling ? FNormalPlace : before.topLeft(),
                 wasFilling ? size().grownBy(FNormalFrame) : frameGeometry().size());
    if (const QScreen* shown = screen()) {
        const QRect available = shown->availableGeometry();
        placed.moveRight(std::min(placed.right(), available.right()));
        placed.moveBottom(std::min(placed.bottom(), available.bottom()));
        placed.moveLeft(std::max(placed.left(), available.left()));
        placed.moveTop(std::max(placed.top(), available.top()));
    }
    // Just out of full screen, the window has no frame yet, so a frame's place would be taken
    // for the client's and the window would climb by its title bar at every trip: the client
    // goes where it was inside the frame it had.
    if (wasFilling)
        setGeometry(QRect(placed.topLeft() + QPoint(FNormalFrame.left(), FNormalFrame.top()), size()));
    else
        move(placed.topLeft());
}

void TMainForm1::Pause(std::uint32_t milliseconds)
{
    // The thread handles no events while it sleeps: what was repainted for the pause must be
    // on the screen before.
    FZoomHost->PresentNow();
    FServices.clock->Sleep(milliseconds);
}
