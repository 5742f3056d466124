#include "controls/dxfcolorbutton.h"
#include "controls/dxflabel.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "desktop/panel.h"
#include "desktop/shape.h"
#include "desktop/stringgrid.h"
#include "game/surface.h"
#include "services/timer.h"
#include "support/gamefixture.h"

#include <QAction>
#include <QApplication>
#include <QPaintEvent>

namespace {

// Every widget painted, and where, while it listens.
class TPaintLog : public QObject {
    Q_OBJECT

public:
    bool listening = false;
    std::vector<std::pair<QObject*, QRegion>> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (listening && event->type() == QEvent::Paint)
            paints.emplace_back(watched, static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

struct BannerFrame {
    std::uint32_t wait;
    int angle;
    int points;
    QString status;
};

} // namespace

class GameCycleTest : public GameFixture {
protected:
    void SetUp() override
    {
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
        // What a blocked thread leaves on the screen: the banner as the last step set it.
        clock.SetOnSleep([this](std::uint32_t wait) {
            frames.push_back({wait, form->dxfLabel1->Angle(), form->dxfLabel1->FontSize(), form->Label1->Caption()});
        });
    }

    void CountDown(int ticks)
    {
        for (int tick = 0; tick < ticks; ++tick)
            form->Timer3Timer();
    }

    std::vector<BannerFrame> frames;
};

// F3 plays the start banner, then uncovers the play strip and starts the game's timers.
TEST_F(GameCycleTest, StartPlaysTheBannerThenUncoversThePlayStrip)
{
    form->N2->trigger();

    ASSERT_EQ(frames.size(), 73u);
    EXPECT_EQ(clock.TotalSlept(), 3160u);
    EXPECT_EQ(sound.played, QStringList{QStringLiteral("snd_start.wav")});
    // Each wait shows the step before it: a full turn while shrinking to 40 points, then
    // four turns while growing to 328.
    EXPECT_EQ(frames[0].wait, 40u);
    EXPECT_EQ(frames[0].angle, 0);
    EXPECT_EQ(frames[0].points, 184);
    EXPECT_EQ(frames[0].status, QStringLiteral("ジュンビハイイカ・・・"));
    EXPECT_EQ(frames[10].angle, 100);
    EXPECT_EQ(frames[10].points, 144);
    EXPECT_EQ(frames[36].wait, 1000u);
    EXPECT_EQ(frames[36].angle, 0);
    EXPECT_EQ(frames[36].points, 40);
    EXPECT_EQ(frames[37].wait, 20u);
    EXPECT_EQ(frames[46].angle, 0); // nine steps of 40 degrees come round to 360, read as 0
    EXPECT_EQ(frames[47].angle, 40);
    EXPECT_EQ(form->dxfLabel1->Angle(), 0);
    EXPECT_EQ(form->dxfLabel1->FontSize(), 328);
    EXPECT_EQ(form->dxfLabel1->Caption(), QStringLiteral("GAME START"));

    EXPECT_FALSE(form->StringGrid1->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Panel2->isVisibleTo(form.get()));
    EXPECT_FALSE(form->N2->isEnabled());
    EXPECT_TRUE(form->bCharge->isEnabled());
    EXPECT_EQ(form->Score(), 0);
    EXPECT_EQ(form->TimeLeft(), 60);
    EXPECT_EQ(form->Level(), 1);
    EXPECT_EQ(form->Label3->Caption(), QStringLiteral("0"));
    EXPECT_EQ(form->Shape2->geometry(), QRect(317, 234, 130, 22));
    EXPECT_EQ(form->Shape3->geometry(), QRect(358, 240, 50, 10));
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
    EXPECT_EQ(form->Surface()->Drawing()->LastPicture().cacheKey(), form->ImageList1[0].cacheKey());
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_TRUE(form->Timer2->Enabled());
    EXPECT_TRUE(form->Timer3->Enabled());
    EXPECT_TRUE(form->Timer5->Enabled());
    // Until the first countdown tick the status line still asks whether the player is ready.
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("ジュンビハイイカ・・・"));
}

// Sixty countdown ticks: the seconds left are shown down to 1, then the game ends with the
// GAME OVER banner, the idle screen and the ranking entry of the final score.
TEST_F(GameCycleTest, CountdownEndsTheGameAndEntersTheRanking)
{
    form->N2Click();
    frames.clear();
    sound.played.clear();
    form->Timer5->Tag = 0;
    CountDown(1);
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("ノコリ 59 ビョウ"));
    CountDown(58);
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("ノコリ 1 ビョウ"));
    EXPECT_TRUE(frames.empty());

    form->SetScoreForRanking(700);
    inputBox.answers = {QStringLiteral("Kim")};
    CountDown(1);

    ASSERT_EQ(frames.size(), 73u);
    EXPECT_EQ(frames[0].status, QStringLiteral("時間ギレデス"));
    EXPECT_EQ(form->dxfLabel1->Caption(), QStringLiteral("GAME OVER"));
    EXPECT_EQ(sound.played, QStringList{QStringLiteral("snd_over.wav")});
    for (TTimer* timer : {form->Timer1, form->Timer2, form->Timer3, form->Timer5})
        EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(form->Timer5->Tag, 1);
    EXPECT_EQ(form->TimeLeft(), 0);

    EXPECT_FALSE(form->Panel2->isVisibleTo(form.get()));
    EXPECT_TRUE(form->StringGrid1->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Label9->isVisibleTo(form.get()));
    EXPECT_TRUE(form->N2->isEnabled());
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("F3 デ ゲームヲ開始シマス"));

    EXPECT_EQ(inputBox.captions, QStringList{QStringLiteral("4 位ニ ランクサレマシタ")});
    EXPECT_EQ(form->StringGrid1->Cells(1, 4), QStringLiteral("Kim"));
    EXPECT_EQ(form->StringGrid1->Cells(2, 4), QStringLiteral("700"));
    EXPECT_EQ(form->StringGrid1->Cells(2, 5), QStringLiteral("600"));
}

// A running game ignores F3; the next game restores the widths but not the places, and
// animates the background the other way.
TEST_F(GameCycleTest, SecondGameKeepsLastPlacesAndTurnsTheAnimation)
{
    form->N2Click();
    form->N2->trigger();
    EXPECT_EQ(clock.TotalSlept(), 3160u);

    for (int step = 0; step < 20; ++step)
        form->AdvanceLevel(true);
    form->PlaceGreen(250);
    CountDown(60);
    ASSERT_EQ(form->Shape2->width(), 118);
    ASSERT_EQ(form->Shape3->x(), 250 + 37);

    form->N2Click();
    EXPECT_EQ(form->Shape2->geometry(), QRect(250, 234, 130, 22));
    EXPECT_EQ(form->Shape3->geometry(), QRect(250 + 37, 240, 50, 10)); // off-centre until a shot
    EXPECT_EQ(form->Level(), 1);
    CountDown(60);
    EXPECT_EQ(form->Timer5->Tag, 0);
}

// With the sound switched off both banners keep their timing, silently.
TEST_F(GameCycleTest, SilentGameKeepsItsTiming)
{
    form->S1Click();
    form->N2Click();
    CountDown(60);
    EXPECT_EQ(clock.TotalSlept(), 2 * 3160u);
    EXPECT_TRUE(sound.played.isEmpty());
}

// The thread is blocked while the banner plays, so anything else a step repaints, or the
// banner repainted twice or over what lies beneath it, only makes the player wait longer.
TEST_F(GameCycleTest, BannerStepRepaintsOnlyTheBanner)
{
    form->show();
    QApplication::processEvents();
    TPaintLog log;
    qApp->installEventFilter(&log);
    int waits = 0;
    // From the first wait to the last: all steps but the one after the last wait.
    clock.SetOnSleep([&](std::uint32_t) { log.listening = ++waits < 73; });
    form->N2Click();
    qApp->removeEventFilter(&log);

    const std::pair<QObject*, QRegion> banner{form->dxfLabel1, QRegion(form->dxfLabel1->rect())};
    EXPECT_EQ(log.paints, std::vector(71, banner));
}

#include "mainform_game_test.moc"
