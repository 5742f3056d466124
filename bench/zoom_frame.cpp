// Cost of a frame at ×1, ×2 and ×3 as the game makes them, put on the display at once: one of
// the spinning banner, which the game repaints while it blocks, and one of the rolling ball,
// which the window paints when it handles events. In rounds, each zoom's median, and the ratio
// of ×3 to ×1. Run it on a display
// large enough for ×3 (e.g. Xvfb at 1600x1400).
#include "quiet_services.h"

#include "controls/dxflabel.h"
#include "desktop/fonts.h"
#include "desktop/panel.h"
#include "desktop/shape.h"
#include "desktop/stringgrid.h"
#include "desktop/zoomhost.h"
#include "game/mainform.h"
#include "services/clock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kFrames = 100;
constexpr int kRounds = 7;

// Milliseconds a frame took, the median of the rounds.
template <class Frame>
double FrameMs(Frame frame)
{
    std::vector<double> rounds;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int count = 0; count < kFrames; ++count)
            frame(count);
        rounds.push_back(double(timer.nsecsElapsed()) / 1e6 / kFrames);
    }
    std::nth_element(rounds.begin(), rounds.begin() + kRounds / 2, rounds.end());
    return rounds[kRounds / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    TQuietServices quiet;
    if (!quiet.WriteRanking())
        return 1;
    RealClock clock;
    TMainForm1 form(quiet.With(clock));
    form.show();
    while (!form.windowHandle()->isExposed())
        clock.ProcessMessagesUntil(clock.TickCount() + 10);
    const auto banner = [&form](int count) {
        form.dxfLabel1->SetAngle(count * 10 % 360);
        form.dxfLabel1->SetFontSize(184 - count % 36 * 4);
        form.dxfLabel1->repaint();
        form.ZoomHost()->PresentNow();
    };
    const auto roll = [&form](int count) {
        form.Shape1->move(51 + count % 40 * 8, form.Shape1->y());
        form.ZoomHost()->PresentNow();
        QCoreApplication::sendPostedEvents(&form, QEvent::UpdateRequest);
    };
    std::vector<double> banners, rolls;
    for (int zoom = 1; zoom <= 3; ++zoom) {
        form.ZoomHost()->SetZoom(zoom);
        // The banner lies over the play strip while it spins, and is gone while the ball rolls.
        form.Panel2->show();
        clock.ProcessMessagesUntil(clock.TickCount() + 300);
        banners.push_back(FrameMs(banner));
        form.Panel2->hide();
        form.StringGrid1->hide();
        clock.ProcessMessagesUntil(clock.TickCount() + 300);
        rolls.push_back(FrameMs(roll));
        std::printf("×%d: banner frame %.3f ms, rolling ball frame %.3f ms\n", zoom, banners.back(), rolls.back());
    }
    std::printf("×3 / ×1: banner frame %.2f, rolling ball frame %.2f\n", banners[2] / banners[0], rolls[2] / rolls[0]);
    return 0;
}
