#include "platform/clock.h"

#include <gtest/gtest.h>

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
