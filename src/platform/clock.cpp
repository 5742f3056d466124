#include "platform/clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

#include <poll.h>
#include <time.h>

namespace {

constexpr qint64 kNsPerMs = 1'000'000;
constexpr qint64 kNsPerSecond = 1'000'000'000;
constexpr qint64 kAwakeTailNs = 200'000;
// The kernel lets a long poll end later, by a thousandth of its length (a fifth of that for
// a niced program): naps no longer than this end well within the awake tail.
constexpr qint64 kLongestNapNs = 20 * kNsPerMs;

timespec ToTimespec(qint64 nanoseconds)
{
    return {time_t(nanoseconds / kNsPerSecond), long(nanoseconds % kNsPerSecond)};
}

} // namespace

RealClock::RealClock()
{
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
    for (qint64 left = deadline - FTimer.nsecsElapsed(); left > 0; left = deadline - FTimer.nsecsElapsed()) {
        // The last stretch is waited out awake: the kernel wakes a sleeper a tenth of a
        // millisecond or more late, which over a banner's 73 waits adds up to a visible lag.
        if (left <= kAwakeTailNs)
            continue;
        const timespec nap = ToTimespec(std::min(left - kAwakeTailNs, kLongestNapNs));
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
