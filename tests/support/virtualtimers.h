#pragma once

#include "game/mainform.h"
#include "services/clock.h"
#include "services/timer.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

// Delivers the main window's timer ticks in virtual time, as the event loop would: install
// Pump as the test clock's message handler and the game's waiting loops deliver them too.
class VirtualTimers {
public:
    VirtualTimers(TMainForm1& form, TestClock& clock) : FClock(clock)
    {
        FEntries = {{form.Timer1, [&form] { form.Timer1Timer(); }, {}},
                    {form.Timer2, [&form] { form.Timer2Timer(); }, {}},
                    {form.Timer3, [&form] { form.Timer3Timer(); }, {}},
                    {form.Timer5, [&form] { form.Timer5Timer(); }, {}}};
    }

    // Fires every timer that is due; a timer found newly running starts a full interval.
    void Pump()
    {
        const std::uint32_t now = FClock.TickCount();
        for (Entry& entry : FEntries) {
            if (!entry.timer->Enabled()) {
                entry.due.reset();
            } else if (!entry.due) {
                entry.due = now + std::uint32_t(entry.timer->interval());
            } else if (TickReached(now, *entry.due)) {
                entry.due = now + std::uint32_t(entry.timer->interval());
                entry.handler();
            }
        }
    }

    // Lets virtual time pass up to tick, jumping from one timer tick to the next.
    void RunUntil(std::uint32_t tick)
    {
        Pump();
        while (!TickReached(FClock.TickCount(), tick)) {
            std::uint32_t next = tick;
            for (const Entry& entry : FEntries)
                if (entry.due && entry.timer->Enabled() && TickReached(next, *entry.due))
                    next = *entry.due;
            FClock.Advance(std::max<std::uint32_t>(1, next - FClock.TickCount()));
            Pump();
        }
    }

    void RunFor(std::uint32_t milliseconds) { RunUntil(FClock.TickCount() + milliseconds); }

private:
    struct Entry {
        TTimer* timer;
        std::function<void()> handler;
        std::optional<std::uint32_t> due;
    };
    TestClock& FClock;
    std::vector<Entry> FEntries;
};
