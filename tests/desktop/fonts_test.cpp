#include "desktop/fonts.h"

#include <QFontInfo>
#include <gtest/gtest.h>

TEST(MulDivTest, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(184, 96, 72), 245);
    EXPECT_EQ(MulDiv(245, 72, 96), 184);
    EXPECT_EQ(MulDiv(180, 96, 72), 240);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(5, 1, 4), 1);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(FontsTest, ConvertHeightsAndPointsAt96Dpi)
{
    EXPECT_EQ(FontHeightFromPoints(184), 245);
    EXPECT_EQ(FontPointsFromHeight(245), 184);
    EXPECT_EQ(FontHeightFromPoints(9), 12);
    EXPECT_EQ(FontPointsFromHeight(16), 12);
}

// The layout's font names must reach the installed Ume fonts, in pixel sizes.
TEST(FontsTest, LayoutNamesResolveToUmeFonts)
{
    const QFont gothic = MakeFont(kPGothic, 16, true);
    EXPECT_EQ(gothic.pixelSize(), 16);
    EXPECT_TRUE(gothic.bold());
    EXPECT_EQ(QFontInfo(gothic).family(), QStringLiteral("Ume P Gothic"));
    EXPECT_EQ(QFontInfo(MakeFont(kPMincho, 11)).family(), QStringLiteral("Ume P Mincho"));
    EXPECT_EQ(QFontInfo(MakeFont(kGothic, 11)).family(), QStringLiteral("Ume Gothic"));
}

// Only a font whose substitute is installed gives up looking for missing characters elsewhere.
TEST(Fonts, FallbackFontsAreSparedOnlyForInstalledSubstitutes)
{
    EXPECT_TRUE(MakeFont(kPGothic, 16).styleStrategy() & QFont::NoFontMerging);
    EXPECT_TRUE(MakeFont(kPMincho, 11).styleStrategy() & QFont::NoFontMerging);
    QFont::insertSubstitution(QStringLiteral("Layout Font Without Substitute"), QStringLiteral("No Such Family"));
    const QFont missing = MakeFont(QStringLiteral("Layout Font Without Substitute"), 12);
    EXPECT_FALSE(missing.styleStrategy() & QFont::NoFontMerging);
    EXPECT_TRUE(missing.styleStrategy() & QFont::NoAntialias);
    QFont::removeSubstitutions(QStringLiteral("Layout Font Without Substitute"));
}
