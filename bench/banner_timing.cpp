// Wall time of the two banners as a player sees them: from F3 to the ranking grid being
// hidden, and from the last countdown tick to the grid coming back, against their 3160 ms
// of waits. Run it on a real display (e.g. Xvfb); it prints what painting adds.
#include "quiet_services.h"

#include "desktop/fonts.h"
#include "desktop/stringgrid.h"
#include "game/mainform.h"
#include "services/clock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <cstdio>
#include <functional>
#include <utility>

namespace {

constexpr double kWaits = 3160;

// The real clock, noting how long its sleeps really took, so oversleeping is told apart
// from painting.
class MeasuredClock final : public Clock {
public:
    std::uint32_t TickCount() override { return FClock.TickCount(); }
    void Sleep(std::uint32_t milliseconds) override
    {
        QElapsedTimer slept;
        slept.start();
        FClock.Sleep(milliseconds);
        FSleptNs += slept.nsecsElapsed();
    }
    void ProcessMessages() override { FClock.ProcessMessages(); }
    void ProcessMessagesUntil(std::uint32_t tick) override { FClock.ProcessMessagesUntil(tick); }

    qint64 TakeSleptNs() { return std::exchange(FSleptNs, 0); }

private:
    RealClock FClock;
    qint64 FSleptNs = 0;
};

// Notes the moment the grid it watches is hidden or shown.
class TGridWatch final : public QObject {
    Q_OBJECT

public:
    explicit TGridWatch(std::function<void()> toggled) : FToggled(std::move(toggled)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Show)
            FToggled();
        return false;
    }

private:
    std::function<void()> FToggled;
};

void Report(const char* banner, qint64 nanoseconds, qint64 sleptNs)
{
    const double total = double(nanoseconds) / 1e6;
    const double slept = double(sleptNs) / 1e6;
    std::printf("%-10s %7.1f ms for %4.0f ms of waits: +%.1f ms (%.2f %%); sleeping took %.1f ms, the rest %.1f ms\n",
                banner, total, kWaits, total - kWaits, 100.0 * (total - kWaits) / kWaits, slept, total - slept);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    TQuietServices quiet;
    if (!quiet.WriteRanking())
        return 1;

    MeasuredClock clock;
    TMainForm1 form(quiet.With(clock));
    form.show();
    clock.ProcessMessagesUntil(clock.TickCount() + 500);

    // Each banner ends when the ranking grid is hidden (game start) or shown again (game over).
    QElapsedTimer gridToggled;
    qint64 gridTime = 0;
    TGridWatch watch([&] { gridTime = gridToggled.nsecsElapsed(); });
    form.StringGrid1->installEventFilter(&watch);

    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    for (int round = 0; round < rounds; ++round) {
        clock.TakeSleptNs();
        gridToggled.start();
        form.N2Click();
        Report("GAME START", gridTime, clock.TakeSleptNs());
        clock.ProcessMessages();
        while (form.TimeLeft() > 1)
            form.Timer3Timer();
        clock.TakeSleptNs();
        gridToggled.start();
        form.Timer3Timer();
        Report("GAME OVER", gridTime, clock.TakeSleptNs());
        clock.ProcessMessages();
    }
    return 0;
}

#include "banner_timing.moc"
