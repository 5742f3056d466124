#pragma once

#include <QElapsedTimer>
#include <cstdint>
#include <functional>

// Where the game gets its time from: the real clock when it runs, a virtual one in tests.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since some start; wraps around after about 49.7 days.
    virtual std::uint32_t TickCount() = 0;
    // Blocks the thread; no events are handled meanwhile.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Handles the events that are pending now, then returns.
    virtual void ProcessMessages() = 0;
    // Handles events until TickCount() has reached the given tick (wrap-safe). The real clock
    // sleeps in the event loop instead of spinning.
    virtual void ProcessMessagesUntil(std::uint32_t tick) = 0;
};

// True when tick lies at or after reference, treating the 32-bit count as circular.
constexpr bool TickReached(std::uint32_t tick, std::uint32_t reference)
{
    return static_cast<std::int32_t>(tick - reference) >= 0;
}

class RealClock final : public Clock {
public:
    RealClock();
    std::uint32_t TickCount() override;
    void Sleep(std::uint32_t milliseconds) override;
    void ProcessMessages() override;
    void ProcessMessagesUntil(std::uint32_t tick) override;

    // Sleeps end early, and later ones are skipped, once fd has something to read: it is
    // where a request to end the program arrives, and the program should not make it wait.
    void SetWakeDescriptor(int fd) { FWakeDescriptor = fd; }

private:
    QElapsedTimer FTimer;
    std::uint32_t FStart = 0;
    int FWakeDescriptor = -1;
    bool FWoken = false;
};

// Virtual time for tests: only Sleep, Advance and the waiting calls move it. Each
// ProcessMessages call lets virtual time pass by a fixed step (0 by default), so loops
// that wait for the tick count to move terminate.
class TestClock final : public Clock {
public:
    explicit TestClock(std::uint32_t start = 0) : FNow(start) {}

    std::uint32_t TickCount() override { return FNow; }
    void Sleep(std::uint32_t milliseconds) override;
    void ProcessMessages() override;
    void ProcessMessagesUntil(std::uint32_t tick) override;

    void Advance(std::uint32_t milliseconds) { FNow += milliseconds; }
    void SetProcessStep(std::uint32_t milliseconds) { FProcessStep = milliseconds; }
    // Called for every ProcessMessages, so a test can act "while events are handled".
    void SetOnProcessMessages(std::function<void()> handler) { FOnProcess = std::move(handler); }

    // Called at the start of every Sleep with its length, so a test can look at what a
    // blocked thread has left on the screen.
    void SetOnSleep(std::function<void(std::uint32_t)> handler) { FOnSleep = std::move(handler); }

    std::uint32_t TotalSlept() const { return FSlept; }

private:
    std::uint32_t FNow = 0;
    std::uint32_t FProcessStep = 0;
    std::uint32_t FSlept = 0;
    std::function<void()> FOnProcess;
    std::function<void(std::uint32_t)> FOnSleep;
};
