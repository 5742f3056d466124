#include "controls/dxfcolorbutton.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "desktop/shape.h"
#include "game/surface.h"
#include "services/timer.h"
#include "support/gamefixture.h"
#include "support/virtualtimers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <optional>
#include <string>

namespace {

// How the player holds "SHOT!!": with the mouse, with Space (its auto-repeats too, as marked
// release and press pairs or as bare presses), or with one of them while the other comes and
// goes in the middle of the hold.
enum class Hold { Mouse, Space, SpaceRepeating, SpaceRepeatingBare, MouseWithSpaceBetween, SpaceWithClickBetween };

const char* NameOf(Hold hold)
{
    switch (hold) {
    case Hold::Mouse: return "Mouse";
    case Hold::Space: return "Space";
    case Hold::SpaceRepeating: return "SpaceRepeating";
    case Hold::SpaceRepeatingBare: return "SpaceRepeatingBare";
    case Hold::MouseWithSpaceBetween: return "MouseWithSpaceBetween";
    case Hold::SpaceWithClickBetween: return "SpaceWithClickBetween";
    }
    return "";
}

// One moment of the down-swing or the roll, from the press on.
struct Moment {
    std::uint32_t sincePress;
    int picture;
    int ball;
    bool operator==(const Moment&) const = default;
};

// Everything a shot shows and changes.
struct Outcome {
    int barAtRelease = 0;
    std::vector<Moment> moments;
    QStringList sounds;
    QString message;
    int score = 0;
    int level = 0;
    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* os)
{
    *os << "bar " << outcome.barAtRelease << ", " << outcome.moments.size() << " moments, score " << outcome.score
        << ", level " << outcome.level << ", " << outcome.message.toStdString() << ":";
    for (const Moment& moment : outcome.moments)
        *os << " " << moment.sincePress << "/" << moment.picture << "/" << moment.ball;
}

} // namespace

class KeyboardTest : public GameFixture {
protected:
    void SetUp() override { WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300})); }

    // A new window with a game started at a fixed tick, so every hold starts alike.
    void StartGame()
    {
        random = TRandomGenerator();
        CreateForm();
        form->N2Click();
        clock.Advance(60000 - clock.TickCount() % 60000 + 7); // the same phase of every step length
        sound.played.clear();
        timers.emplace(*form, clock);
        clock.SetOnProcessMessages([this] { timers->Pump(); });
    }

    void Space(QEvent::Type type, bool autoRepeat = false, std::uint64_t timestamp = 0)
    {
        QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
        key.setTimestamp(timestamp);
        QApplication::sendEvent(form.get(), &key);
    }
    void SpacePress() { Space(QEvent::KeyPress); }
    void SpaceRelease() { Space(QEvent::KeyRelease); }
    void MousePress() { QTest::mousePress(form->bCharge, Qt::LeftButton); }
    void MouseRelease() { QTest::mouseRelease(form->bCharge, Qt::LeftButton); }

    // Holds the button for the given time of charge ticks and lets it go.
    Outcome Play(Hold hold, std::uint32_t milliseconds)
    {
        StartGame();
        const std::uint32_t pressed = clock.TickCount();
        const bool mouse = hold == Hold::Mouse || hold == Hold::MouseWithSpaceBetween;
        mouse ? MousePress() : SpacePress();
        if (hold == Hold::SpaceRepeating || hold == Hold::SpaceRepeatingBare) {
            // X sends a held key as release and press pairs marked as repeats; with detectable
            // auto-repeat, as presses the toolkit does not mark.
            for (std::uint32_t held = 0; held + 30 <= milliseconds; held += 30) {
                timers->RunFor(30);
                if (hold == Hold::SpaceRepeating)
                    Space(QEvent::KeyRelease, true);
                Space(QEvent::KeyPress, hold == Hold::SpaceRepeating);
            }
            timers->RunFor(milliseconds % 30);
        } else {
            timers->RunFor(milliseconds / 2);
            if (hold == Hold::MouseWithSpaceBetween) {
                SpacePress();
                SpaceRelease();
            } else if (hold == Hold::SpaceWithClickBetween) {
                MousePress();
                MouseRelease();
            }
            timers->RunFor(milliseconds - milliseconds / 2);
        }

        Outcome outcome;
        outcome.barAtRelease = form->ProgressBar1->Position();
        clock.SetOnProcessMessages([&] {
            timers->Pump();
            outcome.moments.push_back({clock.TickCount() - pressed, DrawnPicture(), form->Shape1->x()});
        });
        mouse ? MouseRelease() : SpaceRelease();
        clock.SetOnProcessMessages([this] { timers->Pump(); });
        outcome.sounds = sound.played;
        outcome.message = form->Label9->Caption();
        outcome.score = form->Score();
        outcome.level = form->Level();
        return outcome;
    }

    std::optional<VirtualTimers> timers;
};

class KeyboardHoldTest : public KeyboardTest, public ::testing::WithParamInterface<std::tuple<std::uint32_t, Hold>> {};

// A hold of Space plays the very shot the same hold of the mouse button plays: the same
// charge, down-swing, roll, result and score, whatever repeats or presses of the other
// come in between.
TEST_P(KeyboardHoldTest, PlaysTheSameShotAsTheMouse)
{
    const auto [milliseconds, hold] = GetParam();
    const Outcome mouse = Play(Hold::Mouse, milliseconds);
    // The shot was played: it always rolls or scores something.
    ASSERT_EQ(mouse.sounds.value(0), QStringLiteral("snd_shot.wav"));
    ASSERT_NE(mouse.score, 0);
    EXPECT_EQ(mouse.barAtRelease, int(milliseconds / 25));

    EXPECT_EQ(Play(hold, milliseconds), mouse);
    EXPECT_FALSE(form->bCharge->KeyHeld() || form->bCharge->DrawDown());
    EXPECT_FALSE(form->Timer1->Enabled());
}

INSTANTIATE_TEST_SUITE_P(KeyboardTest, KeyboardHoldTest,
                         ::testing::Combine(::testing::Values(0u, 100u, 275u, 710u, 1500u),
                                            ::testing::Values(Hold::Space, Hold::SpaceRepeating,
                                                              Hold::SpaceRepeatingBare, Hold::MouseWithSpaceBetween,
                                                              Hold::SpaceWithClickBetween)),
                         [](const auto& info) {
                             return NameOf(std::get<1>(info.param)) + std::string("For") +
                                    std::to_string(std::get<0>(info.param)) + "ms";
                         });

// The 710 ms hold is one that sinks the first putt, so the table covers an in too.
TEST_F(KeyboardTest, TheLongerHoldsScore)
{
    EXPECT_EQ(Play(Hold::Space, 710).score, 101);
    EXPECT_EQ(Play(Hold::Space, 1500).sounds.value(1), QStringLiteral("snd_akuma.wav"));
}

// Outside a game, and while the ball rolls with the button disabled, Space does nothing.
TEST_F(KeyboardTest, SpaceDoesNothingOutsideAGameOrWhileDisabled)
{
    CreateForm();
    SpacePress();
    EXPECT_FALSE(form->bCharge->KeyHeld() || form->bCharge->DrawDown());
    EXPECT_FALSE(form->Timer1->Enabled());
    clock.Advance(500);
    SpaceRelease();
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_EQ(form->Score(), 0);

    StartGame();
    bool tried = false;
    clock.SetOnProcessMessages([&] {
        if (!tried && !form->bCharge->isEnabled()) {
            tried = true;
            SpacePress();
            EXPECT_FALSE(form->bCharge->KeyHeld());
            EXPECT_FALSE(form->Timer1->Enabled());
            SpaceRelease();
        }
    });
    MousePress();
    clock.Advance(200);
    MouseRelease();
    EXPECT_TRUE(tried);
    EXPECT_EQ(sound.played.count(QStringLiteral("snd_shot.wav")), 1);
}

// A repeat whose release reached the window before its press, both with the time the server
// gave them, ends the hold but starts none: the whole hold plays one putt.
TEST_F(KeyboardTest, ARepeatPairTornApartPlaysNoSecondPutt)
{
    StartGame();
    Space(QEvent::KeyPress, false, 1000);
    timers->RunFor(600);
    Space(QEvent::KeyRelease, false, 1600);
    Space(QEvent::KeyPress, false, 1600);
    timers->RunFor(600);
    Space(QEvent::KeyRelease, false, 2200);
    EXPECT_EQ(sound.played.count(QStringLiteral("snd_shot.wav")), 1);
    EXPECT_FALSE(form->bCharge->KeyHeld() || form->Timer1->Enabled());
    // A new press at another time is a new hold.
    Space(QEvent::KeyPress, false, 2300);
    EXPECT_TRUE(form->bCharge->KeyHeld());
}

// Losing the keyboard while Space holds the button lets go, as the release goes elsewhere.
TEST_F(KeyboardTest, LosingTheKeyboardLetsGo)
{
    StartGame();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    SpacePress();
    timers->RunFor(300);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(sound.played.count(QStringLiteral("snd_shot.wav")), 1);
    EXPECT_FALSE(form->bCharge->KeyHeld());
    // The next press, back in the window, is a hold of its own.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    SpacePress();
    EXPECT_TRUE(form->bCharge->KeyHeld());
}
