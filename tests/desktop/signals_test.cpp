#include "desktop/signals.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <vector>

namespace {

constexpr int kHung = 99;
// Only a broken route reaches this; the passing runs end as soon as the events are handled.
constexpr int kGuardMs = 10000;

// A main window that records its close attempts and can refuse them, as a failed save does.
class RecordingWindow : public QWidget {
public:
    int closeAttempts = 0;
    bool refuse = false;
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeAttempts;
        if (onClose)
            onClose();
        event->setAccepted(!refuse);
    }
};

class SignalsTest : public ::testing::Test {
protected:
    RecordingWindow window;

    void SetUp() override { window.show(); }

    // Runs an event loop from which start is called, until the route says the program should
    // end; returns the exit code it asks for.
    static int RunUntilExit(const TTerminationSignals& route, const std::function<void()>& start)
    {
        QEventLoop loop;
        QObject::connect(&route, &TTerminationSignals::Finished, &loop, &QEventLoop::exit);
        QTimer::singleShot(0, &loop, start);
        QTimer::singleShot(kGuardMs, &loop, [&loop] { loop.exit(kHung); });
        return loop.exec();
    }

    static void RaiseSoon(int signalNumber)
    {
        QTimer::singleShot(0, [signalNumber] { std::raise(signalNumber); });
    }
};

class SignalsEndTest : public SignalsTest, public ::testing::WithParamInterface<int> {};

TEST_P(SignalsEndTest, ClosesTheMainWindowAndEndsWithZero)
{
    const TTerminationSignals route(&window);
    EXPECT_EQ(RunUntilExit(route, [] { std::raise(GetParam()); }), 0);
    EXPECT_EQ(window.closeAttempts, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(route.Received(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalsEndTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP), [](const auto& info) {
    return std::string(info.param == SIGTERM ? "Term" : info.param == SIGINT ? "Interrupt" : "HangUp");
});

// Signals that come before the event loop has ended do not close (and save) again.
TEST_F(SignalsTest, LaterSignalsDoNotCloseAgain)
{
    const TTerminationSignals route(&window);
    std::vector<int> exitCodes;
    QObject::connect(&route, &TTerminationSignals::Finished, [&](int code) { exitCodes.push_back(code); });
    EXPECT_EQ(RunUntilExit(route, [] { std::raise(SIGTERM); }), 0);
    std::raise(SIGINT);
    QCoreApplication::processEvents();
    EXPECT_EQ(route.Received(), SIGINT);
    EXPECT_EQ(window.closeAttempts, 1);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}

TEST_F(SignalsTest, RefusedCloseEndsWithOne)
{
    window.refuse = true;
    const TTerminationSignals route(&window);
    EXPECT_EQ(RunUntilExit(route, [] { std::raise(SIGTERM); }), 1);
    EXPECT_EQ(window.closeAttempts, 1);
}

// The modal box is dismissed and its caller goes on before the window behind it closes.
TEST_F(SignalsTest, ModalBoxGoesAwayFirst)
{
    const TTerminationSignals route(&window);
    QDialog box(&window);
    int boxResult = -1;
    int closesWhileBoxUp = -1;
    const int exitCode = RunUntilExit(route, [&] {
        RaiseSoon(SIGINT);
        boxResult = box.exec();
        closesWhileBoxUp = window.closeAttempts;
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(boxResult, QDialog::Rejected);
    EXPECT_EQ(closesWhileBoxUp, 0);
    EXPECT_EQ(window.closeAttempts, 1);
}

// A modal window that runs its own loop until it is hidden, as the disguise screen does.
TEST_F(SignalsTest, ModalScreenWithItsOwnLoopGoesAwayFirst)
{
    const TTerminationSignals route(&window);
    QWidget screen(nullptr, Qt::Window);
    screen.setWindowModality(Qt::ApplicationModal);
    bool screenLoopEnded = false;
    const int exitCode = RunUntilExit(route, [&] {
        screen.show();
        QEventLoop screenLoop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &screenLoop, [&] {
            if (!screen.isVisible())
                screenLoop.quit();
        });
        poll.start(0);
        RaiseSoon(SIGHUP);
        screenLoop.exec();
        screenLoopEnded = window.closeAttempts == 0;
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(screenLoopEnded);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(window.closeAttempts, 1);
}

// A failed save shows its error box from inside the close; another signal dismisses the box
// without starting a second close, and the refused close still ends the program.
TEST_F(SignalsTest, SecondSignalDuringAFailedCloseDismissesItsBox)
{
    const TTerminationSignals route(&window);
    QDialog errorBox(&window);
    window.refuse = true;
    window.onClose = [&] {
        RaiseSoon(SIGTERM);
        errorBox.exec();
    };
    EXPECT_EQ(RunUntilExit(route, [] { std::raise(SIGTERM); }), 1);
    EXPECT_EQ(window.closeAttempts, 1);
    EXPECT_FALSE(errorBox.isVisible());
}

TEST(Signals, PreviousHandlersComeBackAfterwards)
{
    struct sigaction before = {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &before), 0);
    {
        QWidget window;
        const TTerminationSignals route(&window);
        struct sigaction during = {};
        ASSERT_EQ(sigaction(SIGTERM, nullptr, &during), 0);
        EXPECT_NE(during.sa_handler, before.sa_handler);
    }
    struct sigaction after = {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &after), 0);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

} // namespace
