#include "services/translations.h"
#include "support/printrow.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct ChoiceCase {
    const char* Name;
    QStringList UiLanguages; // as QLocale::uiLanguages() lists a player's languages
    const char* Expected;
};
PRINT_ROW_BY_NAME(ChoiceCase, Name)

std::string RowName(const ::testing::TestParamInfo<ChoiceCase>& info)
{
    return info.param.Name;
}

class ChooseTranslationTest : public ::testing::TestWithParam<ChoiceCase> {};

// A player gets the first of their languages that the game has, a region's own translation
// before another region's of the same script, the game's Japanese under ja and C, else English.
TEST_P(ChooseTranslationTest, PicksThePlayersLanguage)
{
    const QStringList translated{"de", "en", "es", "fr", "it", "ko", "pl", "pt_BR", "ru", "zh_CN", "zh_TW"};
    EXPECT_EQ(ChooseTranslation(GetParam().UiLanguages, translated), QString::fromUtf8(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(Players, ChooseTranslationTest,
                         ::testing::Values(ChoiceCase{"German", {"de-DE", "de-Latn-DE", "de"}, "de"},
                                           ChoiceCase{"Portugal", {"pt-PT", "pt-Latn-PT"}, "pt_BR"},
                                           ChoiceCase{"HongKong", {"zh-HK", "zh-Hant-HK"}, "zh_TW"},
                                           ChoiceCase{"Traditional", {"zh-Hant"}, "zh_TW"},
                                           ChoiceCase{"Singapore", {"zh-SG", "zh-Hans-SG"}, "zh_CN"},
                                           ChoiceCase{"Simplified", {"zh-Hans"}, "zh_CN"},
                                           ChoiceCase{"HongKongBeforeGerman", {"zh-HK", "zh-Hant-HK", "de"}, "zh_TW"},
                                           ChoiceCase{"UntranslatedThenKorean", {"sv-SE", "sv", "ko-KR", "ko"}, "ko"},
                                           ChoiceCase{"Untranslated", {"sv-SE", "sv"}, "en"},
                                           ChoiceCase{"JapaneseFirst", {"ja-JP", "de-DE"}, ""},
                                           ChoiceCase{"CLocale", {"C"}, ""}),
                         RowName);

// The C locale in any encoding, or none set at all, is the game's Japanese whatever LANGUAGE says.
TEST(LanguageChoiceTest, KnowsTheCLocaleInEveryEncoding)
{
    for (const char* name : {"", "C", "C.UTF-8", "C.utf8", "POSIX"})
        EXPECT_TRUE(IsCLocale(QString::fromLatin1(name))) << name;
    for (const char* name : {"de_DE.UTF-8", "ca_ES@valencia", "Czech"})
        EXPECT_FALSE(IsCLocale(QString::fromLatin1(name))) << name;
}

} // namespace
