#include "platform/application.h"

#include <gtest/gtest.h>

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
