#include "platform/appdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ApplicationDirTest, IsTheExecutablesFolderWithSeparator)
{
    const QString directory = ApplicationDir();
    EXPECT_TRUE(directory.endsWith('/'));
    EXPECT_TRUE(QFileInfo(directory + QFileInfo(QCoreApplication::applicationFilePath()).fileName()).isExecutable());
}

namespace {

enum class Place { BesideExecutable, UserFolder, Starter };

struct LocationCase {
    const char* Name;
    bool executableDirWritable;
    const char* besideExecutable; // content of a stored file beside the executable, or nullptr
    const char* userFile;         // content of a stored file in the user's folder, or nullptr
    bool starterInstalled;
    bool dataHomeUsable;
    Place expectedPlace;
    const char* expectedContent; // nullptr: no file there
};

constexpr char kStarter[] = "[RANK]\r\nNAME1=starter\r\nSCORE1=10\r\n";

class RankingLocationTest : public ::testing::TestWithParam<LocationCase> {
protected:
    QTemporaryDir root;
    QString Path(const QString& relative) const { return root.filePath(relative); }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_P(RankingLocationTest, ChoosesTheWritablePlaceAndSeedsItOnce)
{
    const LocationCase& row = GetParam();
    const QString beside = Path("bin/VELQUAN.ini");
    const QString user = Path("data/velquan/VELQUAN.ini");
    const QString starter = Path("share/velquan/VELQUAN.ini");
    ASSERT_TRUE(QDir().mkpath(Path("bin")));
    if (row.besideExecutable)
        Write(beside, row.besideExecutable);
    if (row.userFile)
        Write(user, row.userFile);
    if (row.starterInstalled) {
        Write(starter, kStarter);
        // Installed files are read-only to the player.
        ASSERT_TRUE(
            QFile::setPermissions(starter, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    }
    if (!row.dataHomeUsable)
        Write(Path("data"), "a file where the folder should be");

    TRankingPlaces places;
    places.executableDir = Path("bin") + u'/';
    places.executableDirWritable = row.executableDirWritable;
    places.dataHome = Path("data");
    places.starterFile = starter;
    const QString located = LocateRankingFile(places);

    const QString expected = row.expectedPlace == Place::BesideExecutable ? beside
                             : row.expectedPlace == Place::UserFolder     ? user
                                                                          : starter;
    EXPECT_EQ(located, expected);
    if (row.expectedContent) {
        EXPECT_EQ(Read(located), QByteArray(row.expectedContent));
        if (row.expectedPlace != Place::Starter) {
            EXPECT_TRUE(QFile::permissions(located) & QFileDevice::WriteOwner);
        }
    } else {
        EXPECT_FALSE(QFileInfo::exists(located));
    }
    // Choosing a place never writes anywhere else.
    if (row.expectedPlace != Place::BesideExecutable && !row.besideExecutable) {
        EXPECT_FALSE(QFileInfo::exists(beside));
    }
    if (row.expectedPlace != Place::UserFolder && !row.userFile && row.dataHomeUsable) {
        EXPECT_FALSE(QFileInfo::exists(user));
    }
    EXPECT_EQ(Read(starter), row.starterInstalled ? QByteArray(kStarter) : QByteArray());
}

INSTANTIATE_TEST_SUITE_P(Cases, RankingLocationTest,
                         ::testing::Values(LocationCase{"StoredBesideExecutableKeepsWorking", true, "old", "user", true,
                                                        true, Place::BesideExecutable, "old"},
                                           LocationCase{"WritableFolderIsSeededBesideExecutable", true, nullptr,
                                                        nullptr, true, true, Place::BesideExecutable, kStarter},
                                           LocationCase{"BuildFolderWithoutStarterStaysMissing", true, nullptr, nullptr,
                                                        false, true, Place::BesideExecutable, nullptr},
                                           LocationCase{"InstalledGameSeedsTheUserFolder", false, nullptr, nullptr,
                                                        true, true, Place::UserFolder, kStarter},
                                           LocationCase{"UserRankingIsNeverOverwritten", false, nullptr, "mine", true,
                                                        true, Place::UserFolder, "mine"},
                                           LocationCase{"UserRankingWorksWithoutStarter", false, nullptr, "mine", false,
                                                        true, Place::UserFolder, "mine"},
                                           LocationCase{"UnusableUserFolderReadsTheStarter", false, nullptr, nullptr,
                                                        true, false, Place::Starter, kStarter}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(RankingLocation, NoUserFolderAndNoStarterLeavesNothingToRead)
{
    QTemporaryDir root;
    TRankingPlaces places;
    places.executableDir = root.path();
    places.starterFile = root.filePath("missing/VELQUAN.ini");
    EXPECT_EQ(LocateRankingFile(places), places.starterFile);
    EXPECT_TRUE(QDir(root.path()).isEmpty());
}

} // namespace
