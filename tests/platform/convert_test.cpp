#include "platform/convert.h"
#include "platform/exceptions.h"

#include <gtest/gtest.h>

namespace {

struct AcceptedCase {
    const char* Text;
    int Expected;
};

class StrToIntAcceptsTest : public ::testing::TestWithParam<AcceptedCase> {};

// Whole numbers in the framework's notations convert, up to the ends of the 32-bit range.
TEST_P(StrToIntAcceptsTest, Converts)
{
    EXPECT_EQ(StrToInt(QString::fromUtf8(GetParam().Text)), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntAcceptsTest,
                         ::testing::Values(AcceptedCase{"0", 0}, AcceptedCase{"123", 123},
                                           AcceptedCase{"-123", -123}, AcceptedCase{"+7", 7},
                                           AcceptedCase{"007", 7}, AcceptedCase{"-0", 0},
                                           AcceptedCase{"   42", 42}, AcceptedCase{"  -5", -5},
                                           AcceptedCase{"2147483647", 2147483647},
                                           AcceptedCase{"-2147483648", -2147483647 - 1},
                                           AcceptedCase{"00000000002147483647", 2147483647},
                                           AcceptedCase{"$1F", 31}, AcceptedCase{"$ff", 255},
                                           AcceptedCase{"0x1f", 31}, AcceptedCase{"0X1F", 31},
                                           AcceptedCase{"-$10", -16}, AcceptedCase{"+0x10", 16},
                                           AcceptedCase{"$7FFFFFFF", 2147483647},
                                           AcceptedCase{"-0x80000000", -2147483647 - 1}));

class StrToIntRejectsTest : public ::testing::TestWithParam<const char*> {};

// Anything but a whole number in range raises the conversion error naming the text.
TEST_P(StrToIntRejectsTest, ThrowsConvertError)
{
    const QString text = QString::fromUtf8(GetParam());
    try {
        StrToInt(text);
        FAIL() << "accepted '" << GetParam() << "'";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("'%1' は整数ではありません").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntRejectsTest,
                         ::testing::Values("", " ", "+", "-", "--1", "+-1", "- 1", "12a", "a12", "12 ",
                                           " 12 ", "1 2", "1.0", "1e3", "\t1", "１２", "2147483648",
                                           "-2147483649", "99999999999999999999", "$", "0x", "$G", "0x-1",
                                           "$80000000", "$FFFFFFFF", "-$80000001", "12\n"));

} // namespace
