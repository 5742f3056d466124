#include "platform/clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

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
    QThread::msleep(milliseconds);
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
        QTimer::singleShot(int(tick - now), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
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
