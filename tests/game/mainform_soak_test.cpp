#include "controls/dxfcolorbutton.h"
#include "game/surface.h"
#include "services/timer.h"
#include "support/gamefixture.h"
#include "support/virtualtimers.h"

#include <QAction>
#include <random>

// Whole games in virtual time, timers firing as the event loop would fire them, with
// presses of random length at random moments: every game must come back to the idle
// screen, and nothing the window owns may grow from game to game.
TEST_F(GameFixture, ThousandGamesLeaveNothingBehind)
{
    WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
    CreateForm();
    VirtualTimers timers(*form, clock);
    clock.SetProcessStep(5);
    clock.SetOnProcessMessages([&timers] { timers.Pump(); });
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::uint32_t> hold(0, 1500);
    std::uniform_int_distribution<std::uint32_t> gap(0, 400);

    const int children = int(form->findChildren<QObject*>().size());
    for (int game = 0; game < 1000; ++game) {
        form->N2Click();
        while (form->TimeLeft() > 0) {
            timers.RunFor(gap(random));
            if (!form->bCharge->isEnabled() || form->TimeLeft() < 1)
                continue;
            form->bChargeMouseDown();
            timers.RunFor(hold(random));
            form->bChargeMouseUp();
        }
        ASSERT_TRUE(form->N2->isEnabled()) << "game " << game;
        ASSERT_FALSE(form->Timer3->Enabled()) << "game " << game;
        ASSERT_LE(form->Surface()->Drawing()->PictureCount(), 1) << "game " << game;
        ASSERT_EQ(int(form->findChildren<QObject*>().size()), children) << "game " << game;
    }
    EXPECT_GT(inputBox.captions.size(), 0); // some games were good enough for the ranking
}
