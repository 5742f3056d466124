#include "platform/clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <poll.h>

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
    if (FWakeDescriptor < 0) {
        QThread::msleep(milliseconds);
        return;
    }
    if (FWoken)
        return;
    const std::uint32_t until = TickCount() + milliseconds;
    for (std::uint32_t now = TickCount(); !TickReached(now, until); now = TickCount()) {
        pollfd wake{FWakeDescriptor, POLLIN, 0};
        if (::poll(&wake, 1, int(until - now)) > 0) {
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
