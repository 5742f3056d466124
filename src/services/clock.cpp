#include "services/clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

#include <poll.h>
#include <sys/prctl.h>
#include <time.h>

namespace {

constexpr qint64 kNsPerMs = 1'000'000;
constexpr qint64 kNsPerSecond = 1'000'000'000;
// How late the kernel may wake the game's thread, to group wake-ups: every wait ends in the
// kernel, and over a banner's 73 waits this much adds under 4 ms. It is the kernel's usual
// value and about what a wake-up costs here anyway; it is set because it is inherited, and a
// launcher may hand down a coarser one.
constexpr unsigned long kTimerSlackNs = 50'000;
// The kernel lets a poll end later by a thousandth of its length, or by a two-hundredth for a
// niced program: naps no longer than this get no more slack than the timer slack.
constexpr qint64 kLongestNapNs = qint64(kTimerSlackNs) * 200;

timespec ToTimespec(qint64 nanoseconds)
{
    return {time_t(nanoseconds / kNsPerSecond), long(nanoseconds % kNsPerSecond)};
}

} // namespace

RealClock::RealClock()
{
    ::prctl(PR_SET_TIMERSLACK, kTimerSlackNs, 0, 0, 0);
    FTimer.start();
    // Start at an arbitrary point like the system's own count, so wrap-around bugs are not masked.
    FStart = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

std::uint32_t RealClock::TickCount()
{
    return FStart + static_cast<std::uint32_t>(FTimer.elapsed());
}

void RealClock::Sleep(std::uint32_t milliseconds)
{
    const bool watching = FWakeDescriptor >= 0;
    if (watching && FWoken)
        return;
    const qint64 deadline = FTimer.nsecsElapsed() + qint64(milliseconds) * kNsPerMs;
    // A nap may end early, on a signal: the loop sleeps again for what is left.
    for (qint64 left = deadline - FTimer.nsecsElapsed(); left > 0; left = deadline - FTimer.nsecsElapsed()) {
        const timespec nap = ToTimespec(std::min(left, kLongestNapNs));
        if (!watching) {
            ::nanosleep(&nap, nullptr);
            continue;
        }
        pollfd wake{FWakeDescriptor, POLLIN, 0};
        if (::ppoll(&wake, 1, &nap, nullptr) > 0) {
            FWoken = true;
            return;
        }
    }
}

void RealClock::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void RealClock::ProcessMessagesUntil(std::uint32_t tick)
{
    // Sleep in a nested event loop until the boundary: events are handled as they come,
    // and no CPU is spent spinning.
    for (std::uint32_t now = TickCount(); !TickReached(now, tick); now = TickCount()) {
        QEventLoop loop;
        bool timedOut = false;
        QTimer::singleShot(int(tick - now), Qt::PreciseTimer, &loop, [&loop, &timedOut] {
            timedOut = true;
            loop.quit();
        });
        loop.exec();
        // Only the application's exit ends the loop otherwise; every further loop would end
        // at once, so waiting on would spin.
        if (!timedOut)
            return;
    }
}

void TestClock::Sleep(std::uint32_t milliseconds)
{
    if (FOnSleep)
        FOnSleep(milliseconds);
    FNow += milliseconds;
    FSlept += milliseconds;
}

void TestClock::ProcessMessages()
{
    FNow += FProcessStep;
    if (FOnProcess)
        FOnProcess();
}

void TestClock::ProcessMessagesUntil(std::uint32_t tick)
{
    while (!TickReached(FNow, tick)) {
        ProcessMessages();
        if (!TickReached(FNow, tick) && FProcessStep == 0)
            FNow = tick;
    }
}
