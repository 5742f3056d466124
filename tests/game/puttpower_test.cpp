#include "controls/shadolbl.h"
#include "desktop/shape.h"
#include "game/puttpower.h"
#include "support/gamefixture.h"

// Worked by hand: a release while the bar shows k steps (5k %) comes 25k to 25k + 24 ms after
// the press, f down-swing frames add 30f - 29 to 30f ms, the ball rolls 8 px per 20 ms begun.
TEST(PowerRangeTest, WorkedCases)
{
    // 130 %: 741..794 ms, 38..40 steps, 304..320 px; 150 % reaches 45 steps, 360 px.
    EXPECT_EQ(PowerRangeFor(304, 354), (TPowerRange{130, 145})) << "first cup";
    // 15 %: one frame, 76..129 ms, 32..56 px; 10 % has no down-swing, 24..32 px.
    EXPECT_EQ(PowerRangeFor(32, 56), (TPowerRange{15, 15})) << "early frames";
    // No power stops within 113..148 px every time; 35 % to 50 % can.
    EXPECT_EQ(PowerRangeFor(113, 148), (TPowerRange{35, 50})) << "only by luck";
    EXPECT_EQ(PowerRangeFor(10, 12), std::nullopt) << "between two steps";
}

// The first cup's powers, 130 % to 145 %, end in it however late in the bar's step and at
// whatever phase of the tick count the player lets go; 125 % and 150 % do not always.
TEST_F(GameFixture, TheCupsPowersAreWhereTheGamePutsTheBall)
{
    WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
    CreateForm();
    form->N2Click();
    for (int steps = 25; steps <= 30; ++steps) {
        int in = 0, tries = 0;
        for (int offset = 0; offset < 25; offset += 4)
            for (std::uint32_t phase = 0; phase < 30; phase += 3, ++tries) {
                form->Shape3->setGeometry(358, 240, 50, 10);
                clock.Advance(30000 + phase - clock.TickCount() % 30000);
                form->bChargeMouseDown();
                for (int step = 0; step < steps; ++step)
                    clock.Advance(25), form->Timer1Timer();
                clock.Advance(offset);
                form->bChargeMouseUp();
                in += form->Label9->Caption().startsWith(QStringLiteral("ナイスイン")) ? 1 : 0;
            }
        EXPECT_EQ(in == tries, steps != 25 && steps != 30) << steps * 5 << " %: " << in << " of " << tries;
    }
}
