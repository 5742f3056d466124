#include "game/mainform.h"
#include "game/accessibility.h"
#include "game/surface.h"

#include "controls/dxfcolorbutton.h"
#include "desktop/fullscreen.h"
#include "services/sound.h"
#include "services/timer.h"

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
    FView = LoadViewSettings(FServices.settingsFile);
    ShowView();

    WriteRankingHeadings();
    LoadRanking();
    FScore = 0;
    ShowHighScore();
    WatchRankingFile();
}

TMainForm1::~TMainForm1() = default;

void TMainForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (FCentred)
        return;
    FCentred = true;
    RedrawWhenShown(*this);
    // Opened now, beside the first paint, the effects all start as promptly as a repeated one.
    FServices.sound->Prepare({QStringLiteral("snd_start.wav"), QStringLiteral("snd_shot.wav"),
                              QStringLiteral("snd_in.wav"), QStringLiteral("snd_approach.wav"),
                              QStringLiteral("snd_dame.wav"), QStringLiteral("snd_akuma.wav"),
                              QStringLiteral("snd_over.wav")});
    if (isFullScreen())
        return;
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
    if (event->key() == Qt::Key_Escape && FView.fullScreen) {
        FullScreen1Click();
        return;
    }
    // T, with no modifier, has the time left and the score said; no menu item or mnemonic uses it.
    if (event->key() == Qt::Key_T && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            AnnounceTimeLeft();
        return;
    }
    if (event->key() != Qt::Key_Space) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // One physical hold is one press. A held key repeats as presses marked as repeats, as bare
    // presses (detectable auto-repeat), or as release and press pairs sharing one time, whose
    // release a busy machine may deliver before its press shows it was a repeat.
    const bool repeat =
        event->isAutoRepeat() || FSpaceDown || (FSpaceReleasedAt != 0 && event->timestamp() == FSpaceReleasedAt);
    FSpaceDown = true;
    // Outside a game the button lies beneath the ranking and a press would have nothing to charge.
    if (!repeat && FTimeLeft > 0)
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
        LetGoOfSpace(event->timestamp());
}

void TMainForm1::changeEvent(QEvent* event)
{
    // The release of a key held while the window loses the keyboard goes elsewhere: losing it
    // lets go, as a mouse button's release reaches the button wherever the pointer is.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && FSpaceDown)
        LetGoOfSpace(0);
    QMainWindow::changeEvent(event);
}

void TMainForm1::LetGoOfSpace(std::uint64_t timestamp)
{
    FSpaceDown = false;
    FSpaceReleasedAt = timestamp;
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
