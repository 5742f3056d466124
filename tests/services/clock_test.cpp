#include "services/clock.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

TEST(TickReachedTest, IsSafeAcrossTheWrap)
{
    EXPECT_TRUE(TickReached(10, 10));
    EXPECT_TRUE(TickReached(11, 10));
    EXPECT_FALSE(TickReached(9, 10));
    EXPECT_TRUE(TickReached(5, 0xFFFFFFF0u));
    EXPECT_FALSE(TickReached(0xFFFFFFF0u, 5));
}

// Virtual time moves only when the code under test sleeps or waits.
TEST(TestClockTest, MovesOnlyThroughSleepsAndWaits)
{
    TestClock clock(0xFFFFFF00u);
    clock.Sleep(300);
    EXPECT_EQ(clock.TickCount(), 0x2Cu);
    EXPECT_EQ(clock.TotalSlept(), 300u);

    int processed = 0;
    clock.SetOnProcessMessages([&] { ++processed; });
    clock.SetProcessStep(7);
    clock.ProcessMessagesUntil(0x2Cu + 20);
    EXPECT_EQ(processed, 3);
    EXPECT_EQ(clock.TickCount(), 0x2Cu + 21);

    clock.SetProcessStep(0);
    clock.ProcessMessagesUntil(0x2Cu + 100);
    EXPECT_EQ(clock.TickCount(), 0x2Cu + 100);
}

// A request to end the program cuts a blocking sleep short, and the sleeps after it too, so
// a banner or a result pause does not hold the exit.
TEST(RealClockTest, WakeDescriptorEndsSleepsEarly)
{
    int sockets[2] = {-1, -1};
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, sockets), 0);
    RealClock clock;
    clock.SetWakeDescriptor(sockets[0]);
    const std::uint32_t start = clock.TickCount();
    clock.Sleep(20);
    EXPECT_GE(clock.TickCount() - start, 20u);

    ASSERT_EQ(::write(sockets[1], "x", 1), 1);
    const std::uint32_t woken = clock.TickCount();
    clock.Sleep(3000);
    ::close(sockets[1]);
    ::close(sockets[0]);
    clock.Sleep(3000);
    EXPECT_LT(clock.TickCount() - woken, 1000u);
}

// A blocking sleep lasts what was asked, never less. How late the kernel then wakes the
// thread depends on the machine's load, so only a gross delay counts.
TEST(RealClockTest, SleepsEndOnTimeNeverEarly)
{
    int sockets[2] = {-1, -1};
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, sockets), 0);
    for (const int wakeDescriptor : {-1, sockets[0]}) {
        RealClock clock;
        clock.SetWakeDescriptor(wakeDescriptor);
        std::vector<qint64> lateNs;
        for (const std::uint32_t milliseconds : {1u, 2u, 1u, 3u, 1u, 2u, 1u, 3u, 1u}) {
            QElapsedTimer slept;
            slept.start();
            clock.Sleep(milliseconds);
            lateNs.push_back(slept.nsecsElapsed() - qint64(milliseconds) * 1'000'000);
        }
        EXPECT_GE(*std::min_element(lateNs.begin(), lateNs.end()), 0) << "descriptor " << wakeDescriptor;
        // The median: a sleep that a busy machine holds up now and then does not count.
        std::nth_element(lateNs.begin(), lateNs.begin() + 4, lateNs.end());
        EXPECT_LT(lateNs[4], 5'000'000) << "descriptor " << wakeDescriptor;
    }
    ::close(sockets[1]);
    ::close(sockets[0]);
}
