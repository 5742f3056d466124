#include "platform/cp932.h"

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
    const QByteArray text = cp932::encode(QStringLiteral("aソ表b"));  // ソ = 83 5C, 表 = 95 5C
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
