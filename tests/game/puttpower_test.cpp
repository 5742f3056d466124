#include "controls/shadolbl.h"
#include "game/puttpower.h"
#include "desktop/announcer.h"
#include "desktop/shape.h"
#include "support/gamefixture.h"

// Worked by hand from the shot's rules: a release while the bar shows k steps (5k %) comes
// 25k to 25k + 24 ms after the press, the down-swing of f frames adds 30f - 29 to 30f ms, and
// the ball rolls 8 pixels for each 20 ms begun.
TEST(PowerRangeTest, WorkedCases)
{
    const struct {
        const char* name;
        int from, to;
        std::optional<TPowerRange> expected;
    } cases[] = {
        // 130 %: 741..794 ms, 38..40 steps, 304..320 px; 150 % reaches 45 steps, 360 px.
        {"first cup", 304, 354, TPowerRange{130, 145}},
        // 110 %: 641..694 ms, 264..280 px; 105 % starts at 248 px; 165 % ends at 392 px.
        {"first green", 263, 393, TPowerRange{110, 165}},
        // 15 %: one frame, 76..129 ms, 32..56 px; 10 % has no down-swing, 24..32 px.
        {"early frames", 32, 56, TPowerRange{15, 15}},
        // No power lands within 113..148 px every time; 35 % to 50 % can.
        {"only by luck", 113, 148, TPowerRange{35, 50}},
        {"between two steps", 10, 12, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PowerRangeFor(c.from, c.to), c.expected);
    }
}

class PowerRangeGameTest : public GameFixture {
protected:
    void SetUp() override
    {
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
        form->N2Click();
    }

    // A putt released offset ms into the bar's step-th step, pressed at the tick count given.
    bool EndsInTheCup(int steps, int offset, std::uint32_t pressed)
    {
        form->Shape2->move(317, form->Shape2->y());
        form->Shape3->setGeometry(358, form->Shape3->y(), 50, form->Shape3->height());
        clock.Advance(pressed - clock.TickCount());
        form->bChargeMouseDown();
        for (int step = 0; step < steps; ++step) {
            clock.Advance(Putt::kChargeInterval);
            form->Timer1Timer();
        }
        clock.Advance(offset);
        form->bChargeMouseUp();
        return form->Label9->Caption().startsWith(QStringLiteral("ナイスイン"));
    }
};

// The powers said for the cup end in it whenever the player lets go inside them, and the
// powers next to them do not always.
TEST_F(PowerRangeGameTest, TheCupsPowersAreWhereTheGamePutsTheBall)
{
    for (int steps = 25; steps <= 30; ++steps) {
        int in = 0, tries = 0;
        for (int offset = 0; offset < Putt::kChargeInterval; offset += 4)
            for (std::uint32_t phase = 0; phase < Putt::kSwingStep; phase += 3, ++tries)
                in += EndsInTheCup(steps, offset, 30000 * std::uint32_t(steps) + phase) ? 1 : 0;
        SCOPED_TRACE(steps * 5);
        if (steps == 25 || steps == 30)
            EXPECT_LT(in, tries);
        else
            EXPECT_EQ(in, tries);
    }
}

// The start, a putt's result with the new score and the new green's powers are each said in
// one message, as they come together.
TEST_F(PowerRangeGameTest, WhatComesTogetherIsSaidTogether)
{
    form->FAnnouncer->Flush();
    EXPECT_EQ(form->FAnnouncer->Message(),
              QStringLiteral("GAME START, カップ 130～145 パーセント、グリーン 110～165 パーセント"));
    ASSERT_TRUE(EndsInTheCup(28, 0, 100000));
    form->FAnnouncer->Flush();
    const QString expected = QStringLiteral("ナイスイン!! +100+1 point, SCORE 101, カップ %1～")
                                 .arg(PowerRangeFor(form->Shape3->x() - 54, form->Shape3->x() + 50 - 54)->low);
    EXPECT_TRUE(form->FAnnouncer->Message().startsWith(expected)) << form->FAnnouncer->Message().toStdString();
}
