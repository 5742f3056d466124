#include "game/mainform.h"
#include "game/puttpower.h"

#include "controls/dxfcolorbutton.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "desktop/announcer.h"
#include "desktop/shape.h"
#include "services/clock.h"
#include "services/timer.h"

#include <limits>

namespace {

using namespace Putt;

constexpr QPoint kSwingPicture(30, 186);
constexpr int kFarMissBeyond = 500;
constexpr std::uint32_t kResultPause = 300;

} // namespace

void TMainForm1::bChargeMouseDown()
{
    // Outside a game a press would only keep the charge timer painting behind the grid.
    if (FTimeLeft < 1)
        return;
    FPressTick = FServices.clock->TickCount();
    Timer1->SetEnabled(true);
}

void TMainForm1::Timer1Timer()
{
    RepaintNow();
    DrawSwingPicture(kSwingPicture.x(), kSwingPicture.y(), FSwingFrame);
    if (FSwingFrame < kHighestSwingFrame)
        FSwingFrame = ProgressBar1->Position() / 2;
    ProgressBar1->StepIt();
}

void TMainForm1::WaitForTickBoundary(std::uint32_t step)
{
    // Events go on being handled until the tick count enters its next multiple of step; a
    // count that wraps to 0 is such a boundary too.
    const std::uint64_t next = (std::uint64_t(FServices.clock->TickCount() / step) + 1) * step;
    FServices.clock->ProcessMessagesUntil(next > std::numeric_limits<std::uint32_t>::max() ? 0 : std::uint32_t(next));
}

void TMainForm1::bChargeMouseUp()
{
    if (FTimeLeft < 1)
        return;
    Timer1->SetEnabled(false);

    // A close during the shot (menu, close box, signal) ends it at once: the window is gone.
    while (FSwingFrame > 0 && !FClosed) {
        RepaintNow();
        DrawSwingPicture(kSwingPicture.x(), kSwingPicture.y(), FSwingFrame);
        WaitForTickBoundary(kSwingStep);
        --FSwingFrame;
    }

    Label9->hide();
    bCharge->setEnabled(false);
    PlaySoundEffect(QStringLiteral("snd_shot.wav"));

    // The hold that counts runs from the press to now, down-swing included; a tick count that
    // wrapped since the press gives no roll at all.
    const std::uint32_t released = FServices.clock->TickCount();
    while (released > FPressTick && !FClosed) {
        Shape1->move(Shape1->x() + kBallPixelsPerStep, Shape1->y());
        WaitForTickBoundary(kBallStep);
        // Stepping past the top of the count would start the roll over from 0.
        FPressTick =
            FPressTick > std::numeric_limits<std::uint32_t>::max() - kBallStep ? released : FPressTick + kBallStep;
    }

    if (FClosed)
        return;
    Timer2->SetEnabled(false);
    JudgeShot();

    Shape1->move(kBallStart, Shape1->y());
    ProgressBar1->SetPosition(0);
    FSwingFrame = 0;
    PlaceGreen(-1);
    Timer2->SetEnabled(true);
    bCharge->setEnabled(true);
}

void TMainForm1::JudgeShot()
{
    const int contact = Shape1->x() + Shape1->width() - kContactInset;
    const auto inside = [contact](const TShape* shape) {
        return shape->x() <= contact && contact <= shape->x() + shape->width();
    };
    const int level = FLevel;

    if (inside(Shape3)) {
        PlaySoundEffect(QStringLiteral("snd_in.wav"));
        Shape1->hide();
        RepaintNow();
        DrawSwingPicture(kSwingPicture.x(), kSwingPicture.y(), 0);
        ShowShotResult(tr("ナイスイン!! +100+%1 point").arg(level), level + 100);
        Pause(kResultPause);
        AdvanceLevel(true);
        AdvanceLevel(true);
        Shape1->show();
    } else if (inside(Shape2)) {
        PlaySoundEffect(QStringLiteral("snd_approach.wav"));
        ShowShotResult(tr("ナイスアプロ～チ!! +30+%1 point").arg(level), level + 30);
        Pause(kResultPause);
        AdvanceLevel(true);
    } else {
        PlaySoundEffect(contact > kFarMissBeyond ? QStringLiteral("snd_akuma.wav") : QStringLiteral("snd_dame.wav"));
        ShowShotResult(tr("フ～ン!! %1 point").arg(-level), -level);
        Pause(kResultPause);
    }
}

void TMainForm1::ShowShotResult(const QString& message, std::int32_t points)
{
    Label9->SetCaption(message);
    Label9->show();
    FScore += points;
    Label3->SetCaption(QString::number(FScore));
    FAnnouncer->Announce(message);
    FAnnouncer->Announce(Label2->Caption() + u' ' + Label3->Caption());
}
