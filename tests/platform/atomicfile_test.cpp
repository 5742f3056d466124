#include "platform/atomicfile.h"
#include "platform/profile.h"
#include "support/files.h"
#include "support/nooverride.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Stops every save at one step, as a kill there would, for as long as it lives.
class ScopedStop {
public:
    explicit ScopedStop(TSaveStep step)
    {
        Step = step;
        SetSaveStepHook([](TSaveStep at) { return at != Step; });
    }
    ~ScopedStop() { SetSaveStepHook(nullptr); }

private:
    static inline TSaveStep Step = TSaveStep::TemporaryNamed;
};

class AtomicFileTest : public ::testing::Test {
protected:
    QTemporaryDir FDir;
    QString FPath = FDir.filePath(QStringLiteral("VELQUAN.ini"));

    QStringList Entries() const
    {
        return QDir(FDir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // A folder the game may not write into, holding a ranking file it may write.
    void MakeFolderReadOnly() { ASSERT_EQ(::chmod(QFile::encodeName(FDir.path()).constData(), 0555), 0); }
    void TearDown() override { ::chmod(QFile::encodeName(FDir.path()).constData(), 0755); }
};

const QByteArray kLong = "[RANK]\r\nNAME1=Someone with a long name\r\nSCORE1=123456\r\n";
const QByteArray kShort = "[RANK]\r\nNAME1=Al\r\nSCORE1=9\r\n";

struct InPlaceCase {
    const char* Name;
    QByteArray Before;
    QByteArray After;
    const char* NewName; // NAME1 and SCORE1 of After
    const char* NewScore;
};

class AtomicFileInPlace : public AtomicFileTest, public ::testing::WithParamInterface<InPlaceCase> {};

// Without a folder to make a temporary file in, the file is overwritten, never emptied first:
// a kill between the write and the cut leaves the new content with a tail of the old one.
TEST_P(AtomicFileInPlace, KillBeforeTheCutLeavesTheNewContentFirst)
{
    const InPlaceCase& c = GetParam();
    WriteBytes(FPath, c.Before);
    MakeFolderReadOnly();
    NoPermissionOverride asPlayer;
    {
        ScopedStop stop(TSaveStep::WrittenInPlace);
        EXPECT_FALSE(WriteFileAtomically(FPath, c.After));
    }
    const QByteArray tail = c.Before.size() > c.After.size() ? c.Before.mid(c.After.size()) : QByteArray();
    EXPECT_EQ(ReadBytes(FPath), c.After + tail);
    // The old tail starts in the middle of a line, after the new keys: it reads as the new ranking.
    EXPECT_EQ(ReadProfileString(FPath, "RANK", "NAME1", "-"), c.NewName);
    EXPECT_EQ(ReadProfileString(FPath, "RANK", "SCORE1", "-"), c.NewScore);

    EXPECT_TRUE(WriteFileAtomically(FPath, c.After));
    EXPECT_EQ(ReadBytes(FPath), c.After);
    EXPECT_EQ(Entries(), QStringList{"VELQUAN.ini"});
}

INSTANTIATE_TEST_SUITE_P(Cases, AtomicFileInPlace,
                         ::testing::Values(InPlaceCase{"ShorterOverLonger", kLong, kShort, "Al", "9"},
                                           InPlaceCase{"LongerOverShorter", kShort, kLong, "Someone with a long name",
                                                       "123456"},
                                           InPlaceCase{"OverEmptyFile", "", kShort, "Al", "9"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(AtomicFileTest, InPlaceKeepsTheFileItself)
{
    WriteBytes(FPath, kLong);
    ASSERT_EQ(::chmod(QFile::encodeName(FPath).constData(), 0620), 0);
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(FPath).constData(), &before), 0);
    MakeFolderReadOnly();
    NoPermissionOverride asPlayer;
    EXPECT_TRUE(WriteFileAtomically(FPath, kShort));
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(FPath).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 0777, 0620u);
    EXPECT_EQ(ReadBytes(FPath), kShort);
    // No file at all cannot be written in place.
    EXPECT_FALSE(WriteFileAtomically(FDir.filePath("new.ini"), kShort));
}

// A save killed after naming its temporary file leaves it behind; the next save removes it.
TEST_F(AtomicFileTest, NextSaveRemovesATemporaryLeftByAKill)
{
    WriteBytes(FPath, kShort);
    {
        ScopedStop stop(TSaveStep::TemporaryNamed);
        EXPECT_FALSE(WriteFileAtomically(FPath, kLong));
    }
    ASSERT_EQ(Entries().size(), 2);
    EXPECT_TRUE(Entries().at(0).startsWith(".VELQUAN.ini."));
    EXPECT_EQ(ReadBytes(FPath), kShort);

    EXPECT_TRUE(WriteFileAtomically(FPath, kLong));
    EXPECT_EQ(Entries(), QStringList{"VELQUAN.ini"});
    EXPECT_EQ(ReadBytes(FPath), kLong);
}

// Another running game's save in progress holds its temporary file locked; it stays until
// that save is over, and files that only look similar are never touched.
TEST_F(AtomicFileTest, KeepsTemporariesInUseAndOtherFiles)
{
    const QStringList others = {".VELQUAN.ini.notes.tmp", ".VELQUAN.ini.1234.txt", ".OTHER.ini.1a2b.tmp",
                                ".VELQUAN.ini.123456789.tmp", "VELQUAN.ini.1a.tmp"};
    for (const QString& name : others)
        WriteBytes(FDir.filePath(name), "keep");
    const QString inUse = FDir.filePath(".VELQUAN.ini.c0ffee.tmp");
    WriteBytes(inUse, "in progress");
    const int held = ::open(QFile::encodeName(inUse).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    EXPECT_TRUE(WriteFileAtomically(FPath, kShort));
    EXPECT_EQ(ReadBytes(inUse), "in progress");

    ::close(held);
    EXPECT_TRUE(WriteFileAtomically(FPath, kLong));
    EXPECT_EQ(ReadBytes(inUse), "<missing>");
    QStringList expected = others;
    expected << "VELQUAN.ini";
    expected.sort();
    EXPECT_EQ(Entries(), expected);
    for (const QString& name : others)
        EXPECT_EQ(ReadBytes(FDir.filePath(name)), "keep") << name.toStdString();
}

} // namespace
