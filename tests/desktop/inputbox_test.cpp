#include "desktop/inputbox.h"
#include "services/cp932.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kDoubleByte = QStringLiteral("魔");

QString Repeat(const QString& text, int count)
{
    return text.repeated(count);
}

// The byte limit counts CP932 bytes: a double-byte character takes two.
TEST(TCp932LengthValidatorTest, AcceptsUpToTheByteLimit)
{
    const TCp932LengthValidator validator(255);
    const std::pair<QString, QValidator::State> cases[] = {
        {QString(), QValidator::Acceptable},
        {Repeat("a", 255), QValidator::Acceptable},
        {Repeat("a", 256), QValidator::Invalid},
        {Repeat(kDoubleByte, 127), QValidator::Acceptable},
        {Repeat(kDoubleByte, 128), QValidator::Invalid},
        {Repeat(kDoubleByte, 127) + "a", QValidator::Acceptable},
        {Repeat(kDoubleByte, 127) + "ab", QValidator::Invalid},
        {Repeat(QStringLiteral("ｱ"), 255), QValidator::Acceptable}, // half-width katakana: one byte
    };
    for (const auto& [text, expected] : cases) {
        QString input = text;
        int pos = int(input.size());
        EXPECT_EQ(validator.validate(input, pos), expected) << cp932::ByteLength(text) << " bytes";
    }
}

TEST(TCp932LengthValidatorTest, DropsLineBreakAndWhatFollows)
{
    const TCp932LengthValidator validator(255);
    QString input = QStringLiteral("Bob\r\nSCORE1=999999");
    int pos = int(input.size());
    EXPECT_EQ(validator.validate(input, pos), QValidator::Acceptable);
    EXPECT_EQ(input, "Bob");
    EXPECT_EQ(pos, 3);

    // Only what stays counts against the limit.
    input = Repeat("a", 255) + "\n" + Repeat("b", 10);
    pos = 0;
    EXPECT_EQ(validator.validate(input, pos), QValidator::Acceptable);
    EXPECT_EQ(input, Repeat("a", 255));
}

class TInputBoxDialogTest : public ::testing::Test {
protected:
    TInputBoxDialog FDialog{QStringLiteral("2 位ニ ランクサレマシタ"), QStringLiteral(" アナタノ名前 ："), QString()};

    void SetUp() override { FDialog.show(); }

    void TypeCharacters(const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, FDialog.Edit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};

TEST_F(TInputBoxDialogTest, ShowsCaptionPromptAndButtons)
{
    EXPECT_EQ(FDialog.windowTitle(), QStringLiteral("2 位ニ ランクサレマシタ"));
    EXPECT_EQ(FDialog.Prompt()->text(), QStringLiteral(" アナタノ名前 ："));
    EXPECT_EQ(FDialog.OkButton()->text(), "OK");
    EXPECT_EQ(FDialog.CancelButton()->text(), QStringLiteral("キャンセル"));
    EXPECT_TRUE(FDialog.OkButton()->isDefault());
    EXPECT_TRUE(FDialog.Edit()->text().isEmpty());
}

TEST_F(TInputBoxDialogTest, EnterAnswersTheTypedText)
{
    QTest::keyClicks(FDialog.Edit(), "Bob");
    QTest::keyClick(FDialog.Edit(), Qt::Key_Return);
    EXPECT_FALSE(FDialog.isVisible());
    EXPECT_EQ(FDialog.result(), QDialog::Accepted);
    EXPECT_EQ(FDialog.Answer(), "Bob");
}

TEST_F(TInputBoxDialogTest, OkWithEmptyFieldAnswersEmpty)
{
    TInputBoxDialog dialog("c", "p", "default");
    dialog.show();
    dialog.Edit()->clear();
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Answer(), "");
}

TEST_F(TInputBoxDialogTest, EscapeCancelOrCloseAnswersTheDefault)
{
    TInputBoxDialog escaped("c", "p", "default");
    escaped.show();
    QTest::keyClicks(escaped.Edit(), "Bob");
    QTest::keyClick(escaped.Edit(), Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_EQ(escaped.Answer(), "default");

    TInputBoxDialog cancelled("c", "p", "default");
    cancelled.show();
    QTest::keyClicks(cancelled.Edit(), "Bob");
    QTest::mouseClick(cancelled.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(cancelled.Answer(), "default");

    TInputBoxDialog closed("c", "p", "default");
    closed.show();
    QTest::keyClicks(closed.Edit(), "Bob");
    closed.close();
    EXPECT_EQ(closed.Answer(), "default");
}

TEST_F(TInputBoxDialogTest, TypingStopsAt255SingleBytes)
{
    QTest::keyClicks(FDialog.Edit(), Repeat("a", 255));
    EXPECT_EQ(FDialog.Edit()->text(), Repeat("a", 255));
    QTest::keyClicks(FDialog.Edit(), "b");
    EXPECT_EQ(FDialog.Edit()->text(), Repeat("a", 255));
    QTest::keyClick(FDialog.Edit(), Qt::Key_Return);
    EXPECT_EQ(FDialog.Answer(), Repeat("a", 255));
}

TEST_F(TInputBoxDialogTest, DoubleByteCharacterThatWouldPassTheLimitIsRefused)
{
    TypeCharacters(Repeat(kDoubleByte, 128));
    EXPECT_EQ(FDialog.Edit()->text(), Repeat(kDoubleByte, 127));
    TypeCharacters("a");
    EXPECT_EQ(FDialog.Edit()->text(), Repeat(kDoubleByte, 127) + "a");
}

TEST_F(TInputBoxDialogTest, PasteIsLimitedToOneLineAndTheByteLimit)
{
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("Bob\r\nSCORE1=999999"));
    FDialog.Edit()->paste();
    EXPECT_EQ(FDialog.Edit()->text(), "Bob");

    clipboard->setText(Repeat("x", 253));
    FDialog.Edit()->paste();
    EXPECT_EQ(FDialog.Edit()->text(), "Bob");
}

} // namespace
