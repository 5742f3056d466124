#include "platform/atomicfile.h"
#include "platform/filelock.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Kind = TFileLock::TKind;

class FileLockTest : public ::testing::Test {
protected:
    QTemporaryDir FDir;
    QString FPath = FDir.filePath(QStringLiteral("VELQUAN.ini"));
    void SetUp() override { WriteBytes(FPath, "[RANK]\r\n"); }
};

// Readers share the file; a writer has it alone, against readers and writers alike, even
// within one process; a lock given up is free for the next.
TEST_F(FileLockTest, WritersExcludeEveryoneReadersOnlyWriters)
{
    {
        const TFileLock reader(FPath, Kind::Shared, 0ms);
        ASSERT_TRUE(reader.Held());
        EXPECT_TRUE(TFileLock(FPath, Kind::Shared, 0ms).Held());
        EXPECT_FALSE(TFileLock(FPath, Kind::Exclusive, 20ms).Held());
    }
    {
        const TFileLock writer(FPath, Kind::Exclusive, 0ms);
        ASSERT_TRUE(writer.Held());
        EXPECT_FALSE(TFileLock(FPath, Kind::Shared, 0ms).Held());
        EXPECT_FALSE(TFileLock(FPath, Kind::Exclusive, 0ms).Held());
        // Reading and writing the file through other descriptors keeps the lock.
        ReadBytes(FPath);
        ASSERT_TRUE(WriteFileAtomically(FPath, "[RANK]\r\nA=1\r\n"));
    }
    EXPECT_TRUE(TFileLock(FPath, Kind::Exclusive, 0ms).Held());
}

// A save that replaced the file while its lock was held leaves the new file unlocked: the
// next lock is taken on the file the name now holds.
TEST_F(FileLockTest, FollowsAFileReplacedUnderIt)
{
    const TFileLock old(FPath, Kind::Exclusive, 0ms);
    ASSERT_TRUE(old.Held());
    ASSERT_TRUE(WriteFileAtomically(FPath, "[RANK]\r\nA=2\r\n"));
    EXPECT_TRUE(TFileLock(FPath, Kind::Exclusive, 0ms).Held());
}

TEST_F(FileLockTest, NothingToLockWhereThereIsNoFile)
{
    EXPECT_FALSE(TFileLock(FDir.filePath(QStringLiteral("missing.ini")), Kind::Exclusive, 0ms).Held());
    EXPECT_FALSE(TFileLock(FDir.path(), Kind::Shared, 0ms).Held());
}

} // namespace
