#include "game/mainform.h"
#include "game/accessibility.h"
#include "game/surface.h"

#include "controls/dxfcolorbutton.h"
#include "platform/timer.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>

TMainForm1* MainForm1 = nullptr;

TMainForm1::TMainForm1(const TGameServices& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      FServices(services)
{
    if (!FServices.messageBox)
        FServices.messageBox = &MessageBoxes();
    setWindowTitle(QStringLiteral("VELQUAN"));
    InstallAccessibility();
    CreateControls();
    CreateMenu();
    CreateTimers();
    DescribeForAssistiveTools();
    LoadSwingPictures();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    WriteRankingHeadings();
    LoadRanking();
    FScore = 0;
    ShowHighScore();
}

TMainForm1::~TMainForm1() = default;

void TMainForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (FCentred)
        return;
    FCentred = true;
    if (const QScreen* shown = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TMainForm1::closeEvent(QCloseEvent* event)
{
    // Stays refused if saving throws: the error box shows and the window stays open.
    event->ignore();
    RunGuarded(*FServices.messageBox, [this, event] {
        bool canClose = true;
        FormCloseQuery(canClose);
        if (canClose) {
            event->accept();
            FClosed = true;
        }
    });
}

void TMainForm1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // A held key repeats; only its first press is the player's. Outside a game the button
    // lies beneath the ranking and a press would have nothing to charge.
    if (!event->isAutoRepeat() && FTimeLeft > 0)
        bCharge->KeyDown();
}

void TMainForm1::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    // Modifiers pressed meanwhile do not keep the key from letting go.
    if (!event->isAutoRepeat())
        bCharge->KeyUp();
}

void TMainForm1::DrawSwingPicture(int x, int y, int index)
{
    if (index >= 0 && index < int(ImageList1.size()))
        FSurface->Drawing()->DrawPicture(QPoint(x, y), ImageList1[size_t(index)]);
}

void TMainForm1::RepaintNow()
{
    FSurface->RepaintNow();
}
