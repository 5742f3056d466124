#include "services/appdir.h"
#include "support/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

TEST(ApplicationDirTest, IsTheExecutablesFolderWithSeparator)
{
    const QString directory = ApplicationDir();
    EXPECT_TRUE(directory.endsWith('/'));
    EXPECT_TRUE(QFileInfo(directory + QFileInfo(QCoreApplication::applicationFilePath()).fileName()).isExecutable());
}

namespace {

enum class Place { Beside, PlayerCopy };
enum class Seed { None, FromBeside, FromStarter };

struct LocationCase {
    const char* Name;
    bool installed;
    bool besideExists;
    bool folderWritable;
    bool fileWritable;
    bool dataHome;
    Place place;
    Seed seed;
};

constexpr char kBin[] = "/opt/game/bin/";
constexpr char kStarter[] = "/opt/game/share/velquan/VELQUAN.ini";
constexpr char kDataHome[] = "/home/player/.local/share";

class RankingLocationTest : public ::testing::TestWithParam<LocationCase> {};

// Which file a run reads and writes, and what a missing one is copied from.
TEST_P(RankingLocationTest, FollowsTheRule)
{
    const LocationCase& row = GetParam();
    TRankingPlaces places;
    places.executableDir = kBin;
    places.installed = row.installed;
    places.besideExists = row.besideExists;
    places.executableDirWritable = row.folderWritable;
    places.besideWritable = row.fileWritable;
    places.dataHome = row.dataHome ? kDataHome : "";
    places.starterFile = kStarter;

    const QString beside = QString(kBin) + "VELQUAN.ini";
    const QString player = QString(kDataHome) + "/velquan/VELQUAN.ini";
    const TRankingFile file = LocateRankingFile(places);
    EXPECT_EQ(file.path, row.place == Place::Beside ? beside : player);
    EXPECT_EQ(file.seedFrom, row.seed == Seed::None ? QString() : row.seed == Seed::FromBeside ? beside : kStarter);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, RankingLocationTest,
    ::testing::Values(
        // A portable copy: the file beside the executable while it can be written at all.
        LocationCase{"PortableWritableFolder", false, true, true, false, true, Place::Beside, Seed::None},
        LocationCase{"PortableWritableFolderNoFileYet", false, false, true, false, true, Place::Beside, Seed::None},
        LocationCase{"PortableReadOnlyFolderWritableFile", false, true, false, true, true, Place::Beside, Seed::None},
        LocationCase{"PortableNothingWritable", false, true, false, false, true, Place::PlayerCopy, Seed::FromBeside},
        LocationCase{"PortableReadOnlyFolderNoFile", false, false, false, false, true, Place::PlayerCopy,
                     Seed::FromBeside},
        LocationCase{"PortableWithoutDataHome", false, true, false, false, false, Place::Beside, Seed::None},
        // An installed copy: the player's copy of the starter, even with a writable bin folder.
        LocationCase{"InstalledReadOnlyBin", true, false, false, false, true, Place::PlayerCopy, Seed::FromStarter},
        LocationCase{"InstalledWritableBin", true, false, true, false, true, Place::PlayerCopy, Seed::FromStarter},
        LocationCase{"InstalledWithoutDataHome", true, false, true, false, false, Place::Beside, Seed::FromStarter},
        // ... unless a ranking already lies beside the executable.
        LocationCase{"InstalledKeepsAnExistingFileBeside", true, true, true, true, true, Place::Beside, Seed::None},
        LocationCase{"InstalledExistingFileInPlace", true, true, false, true, true, Place::Beside, Seed::None},
        LocationCase{"InstalledExistingReadOnlyFile", true, true, false, false, true, Place::PlayerCopy,
                     Seed::FromBeside}),
    [](const auto& info) { return std::string(info.param.Name); });

// A file the player names is the ranking of every kind of copy; a missing one starts from the
// file that copy would have copied its own from.
TEST(ChosenRankingFileTest, WinsEverywhereAndSeedsLikeTheCopy)
{
    const QString shared = "/srv/office/VELQUAN.ini";
    const QString beside = QString(kBin) + "VELQUAN.ini";
    for (const auto& [installed, besideExists, seed] : {std::tuple{true, false, QString(kStarter)},
                                                        {true, true, beside},
                                                        {false, true, beside},
                                                        {false, false, QString()}}) {
        TRankingPlaces places{.executableDir = kBin,
                              .installed = installed,
                              .besideExists = besideExists,
                              .executableDirWritable = true,
                              .dataHome = kDataHome,
                              .starterFile = kStarter,
                              .chosenFile = shared};
        EXPECT_EQ(LocateRankingFile(places), (TRankingFile{shared, seed})) << installed << besideExists;
    }
    EXPECT_EQ(RankingFile("office.ini").path, QDir::current().absoluteFilePath("office.ini"));
}

class SeedRankingTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString starter = root.filePath("share/VELQUAN.ini");
    QString player = root.filePath("data/velquan/VELQUAN.ini");

    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(root.filePath("share")));
        WriteBytes(starter, "[RANK]\r\nSCORE1=10\r\n");
        ASSERT_TRUE(QFile::setPermissions(starter, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    }
};

TEST_F(SeedRankingTest, CopiesOnceIntoAWritableFileAndNeverOverwrites)
{
    EXPECT_TRUE(SeedRankingFile({player, starter}));
    EXPECT_EQ(ReadBytes(player), "[RANK]\r\nSCORE1=10\r\n");
    // The installed starter is read-only; the player's copy must take saves.
    EXPECT_TRUE(QFile::permissions(player) & QFileDevice::WriteOwner);
    WriteBytes(player, "mine");
    EXPECT_TRUE(SeedRankingFile({player, starter}));
    EXPECT_EQ(ReadBytes(player), "mine");
    EXPECT_EQ(QDir(root.filePath("data/velquan")).entryList(QDir::Files | QDir::Hidden), QStringList{"VELQUAN.ini"});
}

TEST_F(SeedRankingTest, FailsWithoutStarterOrFolder)
{
    EXPECT_FALSE(SeedRankingFile({player, root.filePath("missing.ini")}));
    EXPECT_FALSE(SeedRankingFile({player, QString()}));
    WriteBytes(root.filePath("data"), "a file where the folder should be");
    EXPECT_FALSE(SeedRankingFile({player, starter}));
}

} // namespace
