#include "services/convert.h"
#include "services/exceptions.h"
#include "support/printrow.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct AcceptedCase {
    const char* Name;
    const char* Text;
    int Expected;
};
PRINT_ROW_BY_NAME(AcceptedCase, Name)

std::string RowName(const ::testing::TestParamInfo<AcceptedCase>& info)
{
    return info.param.Name;
}

class StrToIntAcceptsTest : public ::testing::TestWithParam<AcceptedCase> {};

// Whole numbers in the framework's notations convert, up to the ends of the 32-bit range.
TEST_P(StrToIntAcceptsTest, Converts)
{
    EXPECT_EQ(StrToInt(QString::fromUtf8(GetParam().Text)), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrToIntAcceptsTest,
    ::testing::Values(
        AcceptedCase{"Zero", "0", 0}, AcceptedCase{"Positive", "123", 123}, AcceptedCase{"Negative", "-123", -123},
        AcceptedCase{"PlusSign", "+7", 7}, AcceptedCase{"LeadingZeros", "007", 7}, AcceptedCase{"MinusZero", "-0", 0},
        AcceptedCase{"LeadingSpaces", "   42", 42}, AcceptedCase{"LeadingSpacesNegative", "  -5", -5},
        AcceptedCase{"Largest", "2147483647", 2147483647}, AcceptedCase{"Smallest", "-2147483648", -2147483647 - 1},
        AcceptedCase{"LargestWithZeros", "00000000002147483647", 2147483647}, AcceptedCase{"DollarHex", "$1F", 31},
        AcceptedCase{"DollarHexLower", "$ff", 255}, AcceptedCase{"CHex", "0x1f", 31},
        AcceptedCase{"CHexUpper", "0X1F", 31}, AcceptedCase{"NegativeDollarHex", "-$10", -16},
        AcceptedCase{"PositiveCHex", "+0x10", 16}, AcceptedCase{"LargestHex", "$7FFFFFFF", 2147483647},
        AcceptedCase{"SmallestHex", "-0x80000000", -2147483647 - 1}),
    RowName);

struct RejectedCase {
    const char* Name;
    const char* Text;
};
PRINT_ROW_BY_NAME(RejectedCase, Name)

std::string RejectedName(const ::testing::TestParamInfo<RejectedCase>& info)
{
    return info.param.Name;
}

class StrToIntRejectsTest : public ::testing::TestWithParam<RejectedCase> {};

// Anything but a whole number in range raises the conversion error naming the text.
TEST_P(StrToIntRejectsTest, ThrowsConvertError)
{
    const QString text = QString::fromUtf8(GetParam().Text);
    try {
        StrToInt(text);
        FAIL() << "accepted '" << GetParam().Text << "'";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("'%1' は整数ではありません").arg(text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrToIntRejectsTest,
    ::testing::Values(RejectedCase{"Empty", ""}, RejectedCase{"Blank", " "}, RejectedCase{"PlusOnly", "+"},
                      RejectedCase{"MinusOnly", "-"}, RejectedCase{"DoubleMinus", "--1"},
                      RejectedCase{"PlusMinus", "+-1"}, RejectedCase{"SpaceAfterSign", "- 1"},
                      RejectedCase{"TrailingLetter", "12a"}, RejectedCase{"LeadingLetter", "a12"},
                      RejectedCase{"TrailingSpace", "12 "}, RejectedCase{"SpacesAround", " 12 "},
                      RejectedCase{"InnerSpace", "1 2"}, RejectedCase{"Decimal", "1.0"},
                      RejectedCase{"Exponent", "1e3"}, RejectedCase{"LeadingTab", "\t1"},
                      RejectedCase{"FullwidthDigits", "１２"}, RejectedCase{"AboveLargest", "2147483648"},
                      RejectedCase{"BelowSmallest", "-2147483649"}, RejectedCase{"FarTooLarge", "99999999999999999999"},
                      RejectedCase{"DollarOnly", "$"}, RejectedCase{"CPrefixOnly", "0x"},
                      RejectedCase{"NotAHexDigit", "$G"}, RejectedCase{"SignAfterPrefix", "0x-1"},
                      RejectedCase{"HexAboveLargest", "$80000000"}, RejectedCase{"HexAllOnes", "$FFFFFFFF"},
                      RejectedCase{"HexBelowSmallest", "-$80000001"}, RejectedCase{"TrailingLineBreak", "12\n"}),
    RejectedName);

} // namespace
