#include "services/cp932.h"
#include "support/printrow.h"

#include <gtest/gtest.h>

// The wave dash of the prompt is CP932's fullwidth tilde at 0x8160.
TEST(Cp932Test, EncodesAndDecodesTheGamesTexts)
{
    EXPECT_EQ(cp932::encode(QStringLiteral("～")), QByteArray("\x81\x60"));
    EXPECT_EQ(cp932::decode(QByteArray("\x81\x60")), QStringLiteral("～"));
    const QString prompt = QStringLiteral("F3 デ ゲ～ムヲ開始シマス");
    EXPECT_EQ(cp932::decode(cp932::encode(prompt)), prompt);
    EXPECT_EQ(cp932::ByteLength(prompt), 2 + 1 + 2 + 1 + 2 * 9);
    EXPECT_EQ(cp932::encode(QStringLiteral("ｱ")), QByteArray("\xB1"));
}

TEST(Cp932Test, ReplacesWhatItCannotHold)
{
    EXPECT_EQ(cp932::encode(QStringLiteral("a\U0001F600b")), QByteArray("a?b"));
}

// A second byte can look like a lead byte; only walking from the start tells them apart.
TEST(Cp932Test, CountsCharactersByWalkingLeadBytes)
{
    const QByteArray text = cp932::encode(QStringLiteral("aソ表b")); // ソ = 83 5C, 表 = 95 5C
    ASSERT_EQ(text.size(), 6);
    EXPECT_EQ(cp932::CharCount(text), 4);
    EXPECT_EQ(cp932::CharByteLength(text, 1), 2);
    EXPECT_TRUE(cp932::IsLeadByteAt(text, 1));
    EXPECT_FALSE(cp932::IsLeadByteAt(text, 2));
    EXPECT_TRUE(cp932::IsLeadByteAt(text, 3));
    EXPECT_FALSE(cp932::IsLeadByteAt(text, 5));

    // Two bytes "83 83" are one character; a lone trailing lead byte counts as one.
    EXPECT_EQ(cp932::CharCount(QByteArray("\x83\x83\x83")), 2);
    EXPECT_EQ(cp932::CharByteLength(QByteArray("a\x83"), 1), 1);
}

struct DecodeCase {
    const char* Name;
    QByteArray Bytes;
    QString Text;
};
PRINT_ROW_BY_NAME(DecodeCase, Name)

class Cp932Decode : public ::testing::TestWithParam<DecodeCase> {};

// The converter is opened once and reused: each row runs after the others in one process, so
// a sequence cut short in one call must not change how the next one decodes.
TEST_P(Cp932Decode, DecodesAndRecoversFromBadBytes)
{
    const DecodeCase& c = GetParam();
    EXPECT_EQ(cp932::decode(c.Bytes), c.Text);
    EXPECT_EQ(cp932::decode("\x82\xA0"), QStringLiteral("あ"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cp932Decode,
    ::testing::Values(DecodeCase{"AsciiKeepsBackslashAndTilde", "a\\~\x7f", QStringLiteral("a\\~\x7f")},
                      DecodeCase{"SecondByteLooksLikeBackslash", "\x95\x5C\x83\x5D", QStringLiteral("表ゾ")},
                      DecodeCase{"HalfwidthKatakana", "\xB1\xDF", QStringLiteral("ｱﾟ")},
                      DecodeCase{"UndefinedByteReplaced", "x\xA0y", QStringLiteral("x\uFFFDy")},
                      DecodeCase{"LeadByteAtTheEnd", "x\x83", QStringLiteral("x\uFFFD")},
                      DecodeCase{"LeadByteBeforeSpace", "\x83 x", QStringLiteral("\uFFFD x")},
                      DecodeCase{"Empty", "", QString()}),
    [](const auto& info) { return std::string(info.param.Name); });

// Long texts and texts with many unmappable characters convert whole.
TEST(Cp932, ConvertsLongAndUnmappableTextsWhole)
{
    const QString text = QStringLiteral("魔神ｱa～").repeated(5000);
    EXPECT_EQ(cp932::decode(cp932::encode(text)), text);
    EXPECT_EQ(cp932::encode(QStringLiteral("\U0001F600é").repeated(3000)), QByteArray(6000, '?'));
    EXPECT_EQ(cp932::decode(QByteArray(3000, '\xA0')), QString(3000, QChar(0xFFFD)));
}
