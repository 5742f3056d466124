#include "desktop/panel.h"
#include "services/timer.h"
#include "support/gamefixture.h"
#include "support/printrow.h"

#include <QAction>

namespace {

class MainFormCommandsTest : public GameFixture {
public:
    // The sky picture as (top, height) and the ground picture as (top, height).
    struct Pictures {
        int skyTop;
        int skyHeight;
        int groundTop;
        int groundHeight;
        bool operator==(const Pictures&) const = default;
        friend void PrintTo(const Pictures& p, std::ostream* out)
        {
            *out << "sky " << p.skyTop << "/" << p.skyHeight << ", ground " << p.groundTop << "/" << p.groundHeight;
        }
    };

protected:
    void SetUp() override
    {
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
    }

    Pictures Current() const
    {
        return {form->Image6->y(), form->Image6->height(), form->Image7->y(), form->Image7->height()};
    }
    void Place(const Pictures& pictures)
    {
        form->Image6->setGeometry(0, pictures.skyTop, 449, pictures.skyHeight);
        form->Image7->setGeometry(0, pictures.groundTop, 449, pictures.groundHeight);
    }
    void Steps(int count)
    {
        for (int step = 0; step < count; ++step)
            form->Timer5Timer();
    }
};

// The switch is read as each effect starts; the name goes to the sound service unchanged.
TEST_F(MainFormCommandsTest, EffectsPlayOnlyWhileTheSoundSwitchIsOn)
{
    form->PlaySoundEffect(QStringLiteral("snd_start.wav"));
    form->S1Click();
    form->PlaySoundEffect(QStringLiteral("snd_shot.wav"));
    form->S1->trigger(); // back on through the menu
    form->PlaySoundEffect(QStringLiteral("snd_in.wav"));
    EXPECT_EQ(sound.played, QStringList({"snd_start.wav", "snd_in.wav"}));
}

TEST_F(MainFormCommandsTest, ExitClosesLikeTheCloseBoxAndSavesTheRanking)
{
    form->show();
    ASSERT_TRUE(QFile::remove(RankingFile()));
    form->Exit1Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(RankingFileBytes(), RankingWithScores({1500, 1200, 900, 600, 300}));
}

struct UrlRow {
    const char* name;
    QString homePage;
    QString executablePath;
    const char* url; // empty: no page to open
};
PRINT_ROW_BY_NAME(UrlRow, name)

class InformationUrlTest : public ::testing::TestWithParam<UrlRow> {};

// The page's path and query on the home page's host, with the executable's base name escaped
// so no character of it can end the value; no page for a placeholder home.
TEST_P(InformationUrlTest, BuildsThePageOnTheHomeHost)
{
    EXPECT_EQ(TMainForm1::InformationUrl(GetParam().homePage, GetParam().executablePath),
              QString::fromLatin1(GetParam().url));
}

constexpr char kHome[] = "https://velquan.games/";

INSTANTIATE_TEST_SUITE_P(
    Names, InformationUrlTest,
    ::testing::Values(
        UrlRow{"WindowsName", kHome, "C:/Games/VELQUAN.exe", "https://velquan.games/info.php?pf=w&sn=VELQUAN"},
        UrlRow{"NoExtension", kHome, "/opt/velquan/velquan", "https://velquan.games/info.php?pf=w&sn=velquan"},
        UrlRow{"LastDotOnly", kHome, "/opt/velquan/vel.quan.bin", "https://velquan.games/info.php?pf=w&sn=vel.quan"},
        UrlRow{"DotInFolderOnly", kHome, "/opt/v1.2/velquan", "https://velquan.games/info.php?pf=w&sn=velquan"},
        UrlRow{"SpaceAmpersandHash", kHome, "/opt/vel quan&x#1",
               "https://velquan.games/info.php?pf=w&sn=vel%20quan%26x%231"},
        UrlRow{"PercentAndPlus", kHome, "/opt/100%+1.exe", "https://velquan.games/info.php?pf=w&sn=100%25%2B1"},
        UrlRow{"Japanese", kHome, QStringLiteral("/opt/ゴルフ.exe"),
               "https://velquan.games/info.php?pf=w&sn=%E3%82%B4%E3%83%AB%E3%83%95"},
        UrlRow{"HiddenFileIsAllExtension", kHome, "/opt/.velquan", "https://velquan.games/info.php?pf=w&sn="},
        UrlRow{"HomeInAFolderUsesItsHost", "http://games.test.net:8080/velquan/index.html?x=1", "/opt/velquan",
               "http://games.test.net:8080/info.php?pf=w&sn=velquan"},
        UrlRow{"PlaceholderHome", "https://velquan.example.org/", "/opt/velquan", ""},
        UrlRow{"ReservedTopLevelName", "https://velquan.Example/", "/opt/velquan", ""},
        UrlRow{"NotAWebAddress", "file:///usr/share/velquan/", "/opt/velquan", ""},
        UrlRow{"NoHomeAtAll", "", "/opt/velquan", ""}),
    [](const ::testing::TestParamInfo<UrlRow>& info) { return std::string(info.param.name); });

// A placeholder home has no page: the command tells about this copy and starts no browser; a
// real home gets its page for this executable.
TEST_F(MainFormCommandsTest, InformationShowsThisCopyOrOpensTheHomesPage)
{
    form->N6Click();
    EXPECT_TRUE(shell.opened.isEmpty());
    ASSERT_EQ(messageBox.shown.size(), 1U);
    EXPECT_EQ(messageBox.shown[0].icon, MessageBoxService::Icon::Information);
    EXPECT_TRUE(messageBox.shown[0].text.contains(RankingFile())) << messageBox.shown[0].text.toStdString();

    TGameServices services = Services();
    services.homePage = QString::fromLatin1(kHome);
    TMainForm1(services).N6Click();
    EXPECT_EQ(shell.opened, QStringList({"https://velquan.games/info.php?pf=w&sn=velquan_tests"}));
    EXPECT_EQ(messageBox.shown.size(), 1U);
}

struct AnimationRow {
    const char* name;
    int tag;
    MainFormCommandsTest::Pictures before;
    MainFormCommandsTest::Pictures after;
};
PRINT_ROW_BY_NAME(AnimationRow, name)

class BackgroundAnimationTest : public MainFormCommandsTest, public ::testing::WithParamInterface<AnimationRow> {};

// One step: forward the ground grows without bound and the sky shrinks towards the
// panel, keeping its bottom; backward the ground shrinks to the panel and the sky grows.
TEST_P(BackgroundAnimationTest, OneStep)
{
    const AnimationRow& row = GetParam();
    form->Timer5->Tag = row.tag;
    Place(row.before);
    form->Timer5Timer();
    EXPECT_EQ(Current(), row.after);
    EXPECT_EQ(form->Image6->x(), 0);
    EXPECT_EQ(form->Image6->width(), 449);
    EXPECT_EQ(form->Image7->width(), 449);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, BackgroundAnimationTest,
    ::testing::Values(AnimationRow{"ForwardFromStart", 0, {-300, 430, 0, 130}, {-299, 429, 0, 131}},
                      AnimationRow{"ForwardLastSkyStep", 0, {-1, 131, 0, 429}, {0, 130, 0, 430}},
                      AnimationRow{"ForwardSkyFits", 0, {0, 130, 0, 430}, {0, 130, 0, 431}},
                      AnimationRow{"ForwardSkyBelowTopShrinks", 0, {2, 130, 0, 130}, {3, 129, 0, 131}},
                      AnimationRow{"ForwardSkyShortAboveTopStays", 0, {-5, 130, 0, 130}, {-5, 130, 0, 131}},
                      AnimationRow{"BackwardFromFit", 1, {0, 130, 0, 430}, {-1, 131, 0, 429}},
                      AnimationRow{"BackwardLastGroundStep", 1, {-299, 429, 0, 131}, {-300, 430, 0, 130}},
                      AnimationRow{"BackwardGroundFitsSkyGrows", 1, {-300, 430, 0, 130}, {-301, 431, 0, 130}},
                      AnimationRow{"AnyOtherTagIsBackward", -7, {0, 130, 0, 200}, {-1, 131, 0, 199}}),
    [](const ::testing::TestParamInfo<AnimationRow>& info) { return std::string(info.param.name); });

// A minute of forward steps takes the start layout exactly to the other end, and a minute
// backward brings it back; the pictures keep their places in between.
TEST_F(MainFormCommandsTest, AGameLongRunTakesThePicturesToTheOtherEndAndBack)
{
    const Pictures start = Current();
    EXPECT_EQ(start, (Pictures{-300, 430, 0, 130}));
    EXPECT_EQ(form->Timer5->Tag, 0);
    EXPECT_FALSE(form->Timer5->Enabled());

    Steps(300);
    EXPECT_EQ(Current(), (Pictures{0, 130, 0, 430}));
    form->Timer5->Tag = 1;
    Steps(300);
    EXPECT_EQ(Current(), start);
}

} // namespace
