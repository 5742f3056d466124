#include "desktop/errorguard.h"
#include "support/fakes.h"
#include "support/printrow.h"

#include <QAction>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

struct ThrowCase {
    const char* name;
    std::function<void()> handler;
    QString shown;
};
PRINT_ROW_BY_NAME(ThrowCase, name)

class RunGuardedTest : public ::testing::TestWithParam<ThrowCase> {};

// Whatever a handler throws ends in one standard error box and is not thrown on.
TEST_P(RunGuardedTest, ShowsTheStandardErrorBox)
{
    FakeMessageBox messageBox;
    EXPECT_FALSE(RunGuarded(messageBox, GetParam().handler));
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].caption, QStringLiteral("VELQUAN"));
    EXPECT_EQ(messageBox.shown[0].text, GetParam().shown);
    EXPECT_EQ(messageBox.shown[0].icon, MessageBoxService::Icon::Error);
}

INSTANTIATE_TEST_SUITE_P(Errors, RunGuardedTest,
                         ::testing::Values(ThrowCase{"GameError",
                                                     [] { throw EWriteError(QStringLiteral("x に書き込めません")); },
                                                     QStringLiteral("x に書き込めません.")},
                                           ThrowCase{"StandardError", [] { throw std::runtime_error("disk full"); },
                                                     QStringLiteral("disk full.")},
                                           ThrowCase{"AnythingElse", [] { throw 42; }, QString()}),
                         [](const ::testing::TestParamInfo<ThrowCase>& info) { return std::string(info.param.name); });

// Wrapped handlers take just the arguments they want: none from a menu action's
// triggered(bool), all of them from an event callback.
TEST(GuardedTest, FitsSignalsAndControlEvents)
{
    FakeMessageBox messageBox;
    QAction action;
    int triggered = 0;
    QObject::connect(&action, &QAction::triggered, Guarded(messageBox, [&] {
        ++triggered;
        throw Exception(QStringLiteral("menu"));
    }));
    EXPECT_NO_THROW(action.trigger());
    EXPECT_EQ(triggered, 1);

    QPoint pressedAt;
    const std::function<void(QObject*, int, int)> onMouseDown = Guarded(messageBox, [&](QObject*, int x, int y) {
        pressedAt = {x, y};
        throw Exception(QStringLiteral("button"));
    });
    EXPECT_NO_THROW(onMouseDown(nullptr, 3, 4));
    EXPECT_EQ(pressedAt, QPoint(3, 4));

    ASSERT_EQ(messageBox.shown.size(), 2u);
    EXPECT_EQ(messageBox.shown[0].text, QStringLiteral("menu."));
    EXPECT_EQ(messageBox.shown[1].text, QStringLiteral("button."));
}

} // namespace

// The error box ends a message with a full stop unless its last character sorts at or before ".".
TEST(ExceptionDisplayTextTest, AddsAFullStopAfterCharactersBeyondThePeriod)
{
    EXPECT_EQ(ExceptionDisplayText(QStringLiteral("'x' は整数ではありません")),
              QStringLiteral("'x' は整数ではありません."));
    EXPECT_EQ(ExceptionDisplayText(QStringLiteral("Disk full")), QStringLiteral("Disk full."));
    EXPECT_EQ(ExceptionDisplayText(QStringLiteral("Done.")), QStringLiteral("Done."));
    EXPECT_EQ(ExceptionDisplayText(QStringLiteral("Really?")), QStringLiteral("Really?."));
    EXPECT_EQ(ExceptionDisplayText(QStringLiteral("Stop!")), QStringLiteral("Stop!"));
    EXPECT_EQ(ExceptionDisplayText(QStringLiteral("a-")), QStringLiteral("a-"));
    EXPECT_EQ(ExceptionDisplayText(QString()), QString());
}
