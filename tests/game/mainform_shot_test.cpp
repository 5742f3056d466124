#include "controls/dxfcolorbutton.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "desktop/shape.h"
#include "desktop/stringgrid.h"
#include "game/surface.h"
#include "services/timer.h"
#include "support/gamefixture.h"
#include "support/printrow.h"

#include <QAction>

namespace {

// What the player could see at one moment of a shot.
struct Sample {
    std::uint32_t tick;
    int picture;
    int ball;
    bool chargeEnabled;
    bool sliding;
};

} // namespace

class ShotTest : public GameFixture {
protected:
    void SetUp() override
    {
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
        StartGameAt(1000);
    }

    void StartGameAt(std::uint32_t tick)
    {
        form->N2Click();
        clock.Advance(tick - clock.TickCount());
        sound.played.clear();
        clock.SetOnProcessMessages([this] { waits.push_back(Now()); });
        clock.SetOnSleep([this](std::uint32_t) { pauses.push_back(Now()); });
    }

    Sample Now()
    {
        return {clock.TickCount(), DrawnPicture(), form->Shape1->x(), form->bCharge->isEnabled(),
                form->Timer2->Enabled()};
    }

    // A press held for whole 20 ms ball steps without a charge tick, so no down-swing.
    void Shoot(std::uint32_t steps)
    {
        form->bChargeMouseDown();
        clock.Advance(20 * steps);
        form->bChargeMouseUp();
    }

    void Charge(int ticks)
    {
        for (int tick = 0; tick < ticks; ++tick) {
            clock.Advance(25);
            form->Timer1Timer();
        }
    }

    std::vector<Sample> Travel() const
    {
        std::vector<Sample> travel;
        for (const Sample& sample : waits)
            if (!sample.chargeEnabled)
                travel.push_back(sample);
        return travel;
    }

    std::vector<Sample> waits;
    std::vector<Sample> pauses;
};

struct ShotRow {
    const char* name;
    int level;
    std::uint32_t steps;
    QRect cup;   // left and width used
    QRect green; // left and width used
    const char* sound;
    const char* message;
    int points;
    int levelAfter;
};
PRINT_ROW_BY_NAME(ShotRow, name)

class ShotResultTest : public ShotTest, public ::testing::WithParamInterface<ShotRow> {};

// The ball's contact point (left + 3) is judged against the cup, then the green, edges
// included; the result is shown, scored and the shot ends with the ball back at its start.
TEST_P(ShotResultTest, JudgesAndEndsTheShot)
{
    const ShotRow& row = GetParam();
    while (form->Level() < row.level)
        form->AdvanceLevel(true);
    form->Shape3->setGeometry(row.cup.x(), 240, row.cup.width(), 10);
    form->Shape2->setGeometry(row.green.x(), 234, row.green.width(), 22);

    Shoot(row.steps);

    const int stopped = 51 + 8 * int(row.steps);
    const std::vector<Sample> travel = Travel();
    ASSERT_EQ(travel.size(), size_t(row.steps));
    if (!travel.empty()) {
        EXPECT_EQ(travel.back().ball, stopped);
        EXPECT_TRUE(travel.back().sliding); // the green may slide while the ball rolls
    }
    // During the pause the green stands still and the ball lies where it stopped.
    ASSERT_EQ(pauses.size(), 1u);
    EXPECT_FALSE(pauses[0].sliding);
    EXPECT_EQ(pauses[0].ball, stopped);

    EXPECT_EQ(sound.played, (QStringList{QStringLiteral("snd_shot.wav"), QString::fromUtf8(row.sound)}));
    EXPECT_EQ(form->Label9->Caption(), QString::fromUtf8(row.message));
    EXPECT_TRUE(form->Label9->isVisibleTo(form.get()));
    EXPECT_EQ(form->Score(), row.points);
    EXPECT_EQ(form->Label3->Caption(), QString::number(row.points));
    EXPECT_EQ(form->Level(), row.levelAfter);

    EXPECT_EQ(form->Shape1->x(), 51);
    EXPECT_TRUE(form->Shape1->isVisibleTo(form.get()));
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
    EXPECT_TRUE(form->bCharge->isEnabled());
    EXPECT_TRUE(form->Timer2->Enabled());
    EXPECT_EQ(form->Shape3->x(), form->Shape2->x() + (form->Shape2->width() - form->Shape3->width()) / 2);
}

constexpr QRect Span(int left, int width)
{
    return {left, 0, width, 1};
}

INSTANTIATE_TEST_SUITE_P(
    ShotTest, ShotResultTest,
    ::testing::Values(
        ShotRow{"NoRollInThePressTick", 1, 0, Span(358, 50), Span(317, 130), "snd_dame.wav", "フ～ン!! -1 point", -1,
                1},
        ShotRow{"CupLeftEdge", 1, 38, Span(358, 50), Span(317, 130), "snd_in.wav", "ナイスイン!! +100+1 point", 101, 3},
        ShotRow{"CupRightEdge", 1, 38, Span(308, 50), Span(290, 130), "snd_in.wav", "ナイスイン!! +100+1 point", 101,
                3},
        ShotRow{"JustLeftOfCup", 1, 38, Span(359, 50), Span(317, 130), "snd_approach.wav",
                "ナイスアプロ～チ!! +30+1 point", 31, 2},
        ShotRow{"JustRightOfCup", 1, 38, Span(307, 50), Span(290, 130), "snd_approach.wav",
                "ナイスアプロ～チ!! +30+1 point", 31, 2},
        ShotRow{"GreenLeftEdge", 1, 38, Span(400, 50), Span(358, 130), "snd_approach.wav",
                "ナイスアプロ～チ!! +30+1 point", 31, 2},
        ShotRow{"GreenRightEdge", 1, 38, Span(240, 50), Span(228, 130), "snd_approach.wav",
                "ナイスアプロ～チ!! +30+1 point", 31, 2},
        ShotRow{"JustLeftOfGreen", 1, 38, Span(400, 50), Span(359, 130), "snd_dame.wav", "フ～ン!! -1 point", -1, 1},
        ShotRow{"JustRightOfGreen", 1, 38, Span(240, 50), Span(227, 130), "snd_dame.wav", "フ～ン!! -1 point", -1, 1},
        ShotRow{"MissShortOf500", 1, 55, Span(358, 50), Span(317, 130), "snd_dame.wav", "フ～ン!! -1 point", -1, 1},
        ShotRow{"FarMissPast500", 1, 56, Span(358, 50), Span(317, 130), "snd_akuma.wav", "フ～ン!! -1 point", -1, 1},
        ShotRow{"FarPastTheRightBorder", 1, 200, Span(358, 50), Span(317, 130), "snd_akuma.wav", "フ～ン!! -1 point",
                -1, 1},
        ShotRow{"ApproachAtLevel3", 3, 38, Span(400, 50), Span(358, 130), "snd_approach.wav",
                "ナイスアプロ～チ!! +30+3 point", 33, 4},
        ShotRow{"InAtLevel15", 15, 38, Span(358, 50), Span(317, 130), "snd_in.wav", "ナイスイン!! +100+15 point", 115,
                17},
        ShotRow{"MissAtLevel3GoesNegative", 3, 0, Span(358, 50), Span(317, 130), "snd_dame.wav", "フ～ン!! -3 point",
                -3, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// An in shows the empty cup and the putter at rest during the pause; the level steps twice.
TEST_F(ShotTest, InHidesTheBallDuringThePauseAndNarrowsAboveFifteen)
{
    while (form->Level() < 15)
        form->AdvanceLevel(true);
    Shoot(38);
    ASSERT_EQ(pauses.size(), 1u);
    EXPECT_EQ(pauses[0].picture, 0);
    EXPECT_EQ(form->Shape2->width(), 126);
    EXPECT_EQ(form->Shape3->width(), 48);
}

// While held, the picture drawn lags one tick behind the bar, which counts on past its Max.
TEST_F(ShotTest, ChargeRaisesThePutterBehindTheBar)
{
    form->bChargeMouseDown();
    EXPECT_TRUE(form->Timer1->Enabled());
    std::vector<int> drawn;
    for (int tick = 0; tick < 12; ++tick) {
        Charge(1);
        drawn.push_back(DrawnPicture());
    }
    EXPECT_EQ(drawn, (std::vector<int>{0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4}));
    Charge(13);
    EXPECT_EQ(form->ProgressBar1->Position(), 25);
}

// The down-swing shows 4, 3, 2, 1 on 30 ms boundaries; the hold that rolls the ball runs
// from the press to the tick read after it.
TEST_F(ShotTest, DownSwingCountsTowardsTheHold)
{
    const std::uint32_t pressed = clock.TickCount();
    form->bChargeMouseDown();
    Charge(11); // 275 ms: the putter is at the top
    form->bChargeMouseUp();

    std::vector<std::pair<std::uint32_t, int>> swing;
    for (const Sample& sample : waits)
        if (sample.chargeEnabled)
            swing.emplace_back(sample.tick - pressed, sample.picture);
    // Pressed at 1000: the boundaries are 1290, 1320, 1350 and 1380.
    const std::vector<std::pair<std::uint32_t, int>> expected{{275, 4}, {290, 3}, {320, 2}, {350, 1}};
    EXPECT_EQ(swing, expected);
    // 380 ms from the press to the end of the down-swing: 19 steps of the ball.
    ASSERT_EQ(Travel().size(), 19u);
    EXPECT_EQ(Travel().back().ball, 51 + 152);
    EXPECT_EQ(form->Surface()->Drawing()->PictureCount(), 1); // picture 1 stays until the next repaint
}

// A press during the down-swing is taken: it restarts the charge from its own tick.
TEST_F(ShotTest, PressDuringTheDownSwingRestartsTheCharge)
{
    form->bChargeMouseDown();
    Charge(11);
    bool pressedAgain = false;
    clock.SetOnProcessMessages([&] {
        waits.push_back(Now());
        if (!pressedAgain) {
            pressedAgain = true;
            form->bChargeMouseDown();
        }
    });
    form->bChargeMouseUp();
    // Pressed again at 275 ms, the down-swing ends at 380 ms: 105 ms roll 6 steps.
    EXPECT_EQ(Travel().size(), 6u);
    EXPECT_TRUE(form->Timer1->Enabled());
}

// Time up while the ball rolls: the whole end of the game runs inside the roll with the
// score as it was, then the shot finishes on the idle screen.
TEST_F(ShotTest, TimeUpDuringTheRollEndsTheGameFirst)
{
    WriteRankingFile(RankingWithScores({50, 40, 30, 20, -10}));
    CreateForm();
    StartGameAt(5000);
    for (int tick = 0; tick < 59; ++tick)
        form->Timer3Timer();
    bool timeUp = false;
    clock.SetOnProcessMessages([&] {
        waits.push_back(Now());
        if (!timeUp) {
            timeUp = true;
            form->Timer3Timer();
        }
    });

    Shoot(5);

    EXPECT_EQ(inputBox.captions, QStringList{QStringLiteral("5 位ニ ランクサレマシタ")});
    EXPECT_EQ(form->StringGrid1->Cells(2, 5), QStringLiteral("0"));
    EXPECT_EQ(sound.played, (QStringList{QStringLiteral("snd_shot.wav"), QStringLiteral("snd_over.wav"),
                                         QStringLiteral("snd_dame.wav")}));
    EXPECT_EQ(Travel().size(), 5u);
    EXPECT_EQ(form->Score(), -1);
    EXPECT_EQ(form->Label3->Caption(), QStringLiteral("-1"));
    EXPECT_TRUE(form->StringGrid1->isVisibleTo(form.get()));
    EXPECT_TRUE(form->N2->isEnabled());
    EXPECT_TRUE(form->bCharge->isEnabled());
    EXPECT_TRUE(form->Timer2->Enabled());
    EXPECT_FALSE(form->Timer3->Enabled());
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("F3 デ ゲームヲ開始シマス"));
}

// Tick counts near the top of the 32-bit range: a wrap between press and release rolls
// nothing, and a roll that steps across the top still stops.
TEST_F(ShotTest, TickCountWrapAroundIsSafe)
{
    StartGameAt(0xFFFFFFF0u);
    Shoot(2); // released at 0x18, before the press in unsigned terms
    EXPECT_TRUE(Travel().empty());
    EXPECT_EQ(sound.played.last(), QStringLiteral("snd_dame.wav"));

    waits.clear();
    StartGameAt(0xFFFFFFE0u);
    form->bChargeMouseDown();
    clock.Advance(31);
    form->bChargeMouseUp();
    EXPECT_EQ(Travel().size(), 2u);
}

// Outside a game the button does nothing: no charge starts, a release changes nothing.
TEST_F(ShotTest, OutsideAGameNothingHappens)
{
    for (int tick = 0; tick < 60; ++tick)
        form->Timer3Timer();
    sound.played.clear();
    const int score = form->Score();

    form->bChargeMouseDown();
    EXPECT_FALSE(form->Timer1->Enabled());
    clock.Advance(500);
    form->bChargeMouseUp();

    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_EQ(form->Score(), score);
    EXPECT_EQ(form->Shape1->x(), 51);
}

// Closing during the down-swing or the roll (menu, close box or signal all close the window)
// saves, and the shot stops at once: no further wait, no result pause, no score.
class CloseDuringShotTest : public ShotTest, public ::testing::WithParamInterface<int> {};

TEST_P(CloseDuringShotTest, StopsAtOnceAfterSaving)
{
    form->show();
    const int closeAtWait = GetParam();
    int waitsAfterClose = 0;
    int waitsSeen = 0;
    bool closed = false;
    clock.SetOnProcessMessages([&] {
        if (closed)
            ++waitsAfterClose;
        if (++waitsSeen == closeAtWait)
            closed = form->close();
    });
    ASSERT_TRUE(QFile::remove(RankingFile()));
    form->bChargeMouseDown();
    Charge(12); // the putter up: a down-swing of several frames comes first
    clock.Advance(4000);
    form->bChargeMouseUp();

    EXPECT_TRUE(closed);
    EXPECT_EQ(waitsAfterClose, 0);
    EXPECT_TRUE(pauses.empty());
    EXPECT_EQ(form->Score(), 0);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(RankingFileBytes(), RankingWithScores({1500, 1200, 900, 600, 300}));
}

INSTANTIATE_TEST_SUITE_P(Moments, CloseDuringShotTest, ::testing::Values(1, 3, 20), [](const auto& info) {
    return info.param == 1 ? std::string("DownSwingStart") : info.param == 3 ? "DownSwing" : "Roll";
});
