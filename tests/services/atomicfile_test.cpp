#include "services/atomicfile.h"
#include "services/profile.h"
#include "support/files.h"
#include "support/nooverride.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QProcess>
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
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
    const char* Tail; // what follows After when a kill comes between the write and the cut
};

// kShort with a score of `digits` digits: longer than it by digits - 1 bytes.
QByteArray Scored(int digits)
{
    return "[RANK]\r\nNAME1=Bo\r\nSCORE1=" + QByteArray(digits, '9') + "\r\n";
}

class AtomicFileInPlace : public AtomicFileTest, public ::testing::WithParamInterface<InPlaceCase> {};

// Without a folder to make a temporary file in, the file is overwritten, never emptied first,
// and where the new content is shorter the rest of the old one becomes a comment line: a kill
// before the cut leaves no old bytes, and the next save drops that line.
TEST_P(AtomicFileInPlace, KillBeforeTheCutLeavesNoOldBytes)
{
    const InPlaceCase& c = GetParam();
    WriteBytes(FPath, c.Before);
    MakeFolderReadOnly();
    NoPermissionOverride asPlayer;
    {
        ScopedStop stop(TSaveStep::WrittenInPlace);
        EXPECT_FALSE(WriteFileAtomically(FPath, c.After));
    }
    const QByteArray left = ReadBytes(FPath);
    ASSERT_TRUE(left.startsWith(c.After));
    EXPECT_GE(left.size(), c.Before.size());
    const QString tail = QString::fromLatin1(left.mid(c.After.size()));
    EXPECT_TRUE(QRegularExpression(QRegularExpression::anchoredPattern(c.Tail)).match(tail).hasMatch())
        << tail.toStdString();
    EXPECT_EQ(WithoutSavePadding(left), c.After);

    EXPECT_TRUE(WriteFileAtomically(FPath, c.After));
    EXPECT_EQ(ReadBytes(FPath), c.After);
    EXPECT_EQ(Entries(), QStringList{"VELQUAN.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AtomicFileInPlace,
    ::testing::Values(InPlaceCase{"LongerOverShorter", kShort, kLong, ""}, InPlaceCase{"OverEmptyFile", "", kShort, ""},
                      InPlaceCase{"SameLength", Scored(1), kShort, ""},
                      InPlaceCase{"OneByteShorter", Scored(2), kShort, ";VELQUAN save padding *\r\n"},
                      InPlaceCase{"TwoBytesShorter", Scored(3), kShort, ";VELQUAN save padding *\r\n"},
                      InPlaceCase{"ManyBytesShorter", kLong, kShort, ";VELQUAN save padding *\r\n"},
                      InPlaceCase{"LineFeeds", "[RANK]\nNAME1=Bo\nSCORE1=99\n", "[RANK]\nNAME1=Al\nSCORE1=9\n",
                                  ";VELQUAN save padding *\n"},
                      InPlaceCase{"UnendedLastLine", kLong, "[RANK]\r\nNAME1=Al", "\r\n;VELQUAN save padding *"}),
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

// Makes every save fail at one step with one errno, for as long as it lives.
class ScopedFault {
public:
    ScopedFault(TSaveStep step, int error)
    {
        Step = step;
        Error = error;
        SetSaveFaultHook([](TSaveStep at) { return at == Step ? Error : 0; });
    }
    ~ScopedFault() { SetSaveFaultHook(nullptr); }

private:
    static inline TSaveStep Step = TSaveStep::CreateTemporary;
    static inline int Error = 0;
};

struct FaultCase {
    const char* Name;
    TSaveStep Step;
    int Error;
    bool ReadOnlyFolder; // the save writes in place
    QByteArray Before;
};

class AtomicFileFault : public AtomicFileTest, public ::testing::WithParamInterface<FaultCase> {};

// A full disk or quota at any step leaves the old file byte for byte and nothing beside it.
TEST_P(AtomicFileFault, LeavesTheOldFileWhole)
{
    const FaultCase& c = GetParam();
    WriteBytes(FPath, c.Before);
    const QByteArray after = c.Before == kLong ? kShort : kLong;
    if (c.ReadOnlyFolder)
        MakeFolderReadOnly();
    NoPermissionOverride asPlayer;
    {
        ScopedFault fault(c.Step, c.Error);
        EXPECT_FALSE(WriteFileAtomically(FPath, after));
    }
    EXPECT_EQ(ReadBytes(FPath), c.Before);
    EXPECT_EQ(Entries(), QStringList{"VELQUAN.ini"});
    // Once there is room again, the same save goes through.
    EXPECT_TRUE(WriteFileAtomically(FPath, after));
    EXPECT_EQ(ReadBytes(FPath), after);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, AtomicFileFault,
    ::testing::Values(FaultCase{"NoInodeForTheTemporary", TSaveStep::CreateTemporary, ENOSPC, false, kShort},
                      FaultCase{"QuotaAtTheTemporary", TSaveStep::CreateTemporary, EDQUOT, false, kShort},
                      FaultCase{"DiskFullWritingTheTemporary", TSaveStep::WriteTemporary, ENOSPC, false, kShort},
                      FaultCase{"DiskFullFlushingTheTemporary", TSaveStep::FlushTemporary, ENOSPC, false, kShort},
                      FaultCase{"DiskFullAtTheRename", TSaveStep::Replace, ENOSPC, false, kShort},
                      FaultCase{"InPlaceNoRoomToGrow", TSaveStep::Reserve, ENOSPC, true, kShort},
                      FaultCase{"InPlaceQuotaToGrow", TSaveStep::Reserve, EDQUOT, true, kShort},
                      FaultCase{"InPlaceWriteStopsHalfWay", TSaveStep::WriteInPlace, ENOSPC, true, kShort},
                      FaultCase{"InPlaceShorterWriteStopsHalfWay", TSaveStep::WriteInPlace, EIO, true, kLong},
                      FaultCase{"InPlaceFlushFails", TSaveStep::FlushInPlace, ENOSPC, true, kLong}),
    [](const auto& info) { return std::string(info.param.Name); });

int gWriteFault = 0;

// A file system that cannot reserve space: the old content is padded to the new length first,
// so a write that then fails puts the old content back, and one that succeeds leaves the new.
TEST_F(AtomicFileTest, InPlaceWithoutReservingPadsTheOldContentFirst)
{
    for (const int writeFault : {0, ENOSPC}) {
        WriteBytes(FPath, kShort);
        MakeFolderReadOnly();
        NoPermissionOverride asPlayer;
        gWriteFault = writeFault;
        SetSaveFaultHook([](TSaveStep at) {
            return at == TSaveStep::Reserve ? EOPNOTSUPP : at == TSaveStep::WriteInPlace ? gWriteFault : 0;
        });
        EXPECT_EQ(WriteFileAtomically(FPath, kLong), writeFault == 0);
        SetSaveFaultHook(nullptr);
        EXPECT_EQ(ReadBytes(FPath), writeFault == 0 ? kLong : kShort) << writeFault;
    }
}

TEST_F(AtomicFileTest, FullDiskNeverCreatesAHalfFile)
{
    ScopedFault fault(TSaveStep::WriteTemporary, ENOSPC);
    EXPECT_FALSE(WriteFileAtomically(FPath, kLong));
    EXPECT_FALSE(CreateFileExclusively(FPath, kLong));
    EXPECT_TRUE(Entries().isEmpty());
}

// A real full file system where the machine allows mounting one (CI runs as root).
TEST_F(AtomicFileTest, RealFullFileSystemLeavesTheOldFile)
{
    const QByteArray mountPoint = QFile::encodeName(FDir.filePath("small"));
    ASSERT_EQ(::mkdir(mountPoint.constData(), 0755), 0);
    if (::mount("velquan-test", mountPoint.constData(), "tmpfs", 0, "size=64k,nr_inodes=16,mode=0755") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    const std::unique_ptr<const char, void (*)(const char*)> unmount(mountPoint.constData(),
                                                                     [](const char* at) { ::umount2(at, MNT_DETACH); });
    const QString folder = QFile::decodeName(mountPoint);
    const QString path = folder + "/VELQUAN.ini";
    // One page of old content; the new one needs a second page.
    const QByteArray before = "[RANK]\r\n;" + QByteArray(4000, 'a') + "\r\nSCORE1=1234\r\n";
    const QByteArray after = "[RANK]\r\n;" + QByteArray(6000, 'b') + "\r\nSCORE1=99\r\n";
    WriteBytes(path, before);
    // Every page and every inode taken.
    for (int i = 0;; ++i) {
        const QByteArray name = mountPoint + "/fill" + QByteArray::number(i);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0)
            break;
        const QByteArray page(4096, 'x');
        while (::write(fd, page.constData(), size_t(page.size())) > 0) {
        }
        ::close(fd);
    }
    EXPECT_FALSE(WriteFileAtomically(path, after));
    EXPECT_EQ(ReadBytes(path), before);
    {
        // In place, in a folder the player cannot write.
        ASSERT_EQ(::chmod(mountPoint.constData(), 0555), 0);
        NoPermissionOverride asPlayer;
        EXPECT_FALSE(WriteFileAtomically(path, after));
        EXPECT_EQ(ReadBytes(path), before);
    }
}

// A FIFO, a socket or a device in the file's place is never opened for reading, so nothing
// waits for a writer; a huge file is refused before it is read.
TEST_F(AtomicFileTest, ReadsOnlyPlainFilesOfSensibleSize)
{
    const QByteArray fifo = QFile::encodeName(FDir.filePath("fifo"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const QString socketPath = FDir.filePath("socket");
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(socketPath).constData(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", FDir.filePath("device")));
    const QString huge = FDir.filePath("huge");
    WriteBytes(huge, "");
    ASSERT_EQ(::truncate(QFile::encodeName(huge).constData(), kMaxFileSize + 1), 0);
    const QString limit = FDir.filePath("limit");
    WriteBytes(limit, "");
    ASSERT_EQ(::truncate(QFile::encodeName(limit).constData(), kMaxFileSize), 0);

    QByteArray data = "stale";
    EXPECT_EQ(ReadRegularFile(QFile::decodeName(fifo), data), TReadResult::NotAFile);
    EXPECT_TRUE(data.isEmpty());
    EXPECT_EQ(ReadRegularFile(socketPath, data), TReadResult::NotAFile);
    EXPECT_EQ(ReadRegularFile(FDir.filePath("device"), data), TReadResult::NotAFile);
    EXPECT_EQ(ReadRegularFile(FDir.path(), data), TReadResult::NotAFile);
    EXPECT_EQ(ReadRegularFile(huge, data), TReadResult::TooLarge);
    EXPECT_EQ(ReadRegularFile(FDir.filePath("none"), data), TReadResult::Missing);
    EXPECT_EQ(ReadRegularFile(FDir.filePath("fifo/below"), data), TReadResult::Missing);
    EXPECT_EQ(ReadRegularFile(limit, data), TReadResult::Read);
    EXPECT_EQ(data.size(), kMaxFileSize);
    // Saving refuses them too and leaves them as they are.
    EXPECT_FALSE(WriteFileAtomically(QFile::decodeName(fifo), kShort));
    EXPECT_FALSE(WriteFileAtomically(huge, kShort));
    EXPECT_EQ(QFileInfo(huge).size(), kMaxFileSize + 1);
    ::close(socketFd);
}

// Files shared between players, saved by real other users: the saver switches to them in a
// child process, so the test needs root, and nothing has to be readable but the test folder.
class SharedFileTest : public AtomicFileTest {
protected:
    static constexpr uid_t kOwner = 64101;
    static constexpr uid_t kOther = 64102;
    static constexpr gid_t kGames = 64160;

    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "saving as other users needs root";
        ASSERT_EQ(::chmod(QFile::encodeName(FDir.path()).constData(), 0755), 0);
    }

    // Saves data as the given user, who belongs to the games group; true when the save worked.
    bool SaveAs(uid_t user, const QByteArray& data) const
    {
        const pid_t child = ::fork();
        if (child == 0) {
            const gid_t groups[] = {kGames};
            if (::setgroups(1, groups) != 0 || ::setresgid(user, user, user) != 0 || ::setresuid(user, user, user) != 0)
                ::_exit(2);
            ::_exit(WriteFileAtomically(FPath, data) ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    static struct stat Stat(const QString& path)
    {
        struct stat info {};
        ::stat(QFile::encodeName(path).constData(), &info);
        return info;
    }

    static QString Acl(const QString& path)
    {
        QProcess getfacl;
        getfacl.start("getfacl", {"--omit-header", "--numeric", path});
        getfacl.waitForFinished();
        return QString::fromUtf8(getfacl.readAllStandardOutput());
    }

    void Share(const QString& path, uid_t owner, gid_t group, mode_t mode) const
    {
        WriteBytes(path, kShort);
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), owner, group), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    }
};

// root:games 0664 in a root:games 0775 folder: every member saves, the file stays root's.
TEST_F(SharedFileTest, GroupFileStaysTheGroupsForEveryMember)
{
    ASSERT_EQ(::chown(QFile::encodeName(FDir.path()).constData(), 0, kGames), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(FDir.path()).constData(), 0775), 0);
    Share(FPath, 0, kGames, 0664);
    const struct stat before = Stat(FPath);
    EXPECT_TRUE(SaveAs(kOwner, kLong));
    EXPECT_TRUE(SaveAs(kOther, kShort));
    const struct stat after = Stat(FPath);
    EXPECT_EQ(after.st_uid, 0u);
    EXPECT_EQ(after.st_gid, kGames);
    EXPECT_EQ(after.st_mode & 07777, 0664u);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(ReadBytes(FPath), kShort);
    EXPECT_EQ(Entries(), QStringList{"VELQUAN.ini"});
}

// In a sticky folder only the owner may replace the file; another player writes it in place.
TEST_F(SharedFileTest, StickyFolderLetsAnotherPlayerSave)
{
    ASSERT_EQ(::chmod(QFile::encodeName(FDir.path()).constData(), 01777), 0);
    Share(FPath, kOwner, kGames, 0666);
    EXPECT_TRUE(SaveAs(kOther, kLong));
    EXPECT_EQ(ReadBytes(FPath), kLong);
    EXPECT_EQ(Stat(FPath).st_uid, kOwner);
    EXPECT_TRUE(SaveAs(kOwner, kShort));
    EXPECT_EQ(ReadBytes(FPath), kShort);
    EXPECT_EQ(Stat(FPath).st_uid, kOwner);
    EXPECT_EQ(Entries(), QStringList{"VELQUAN.ini"});
}

// The owner's save keeps the ACL entry that lets another player in, and extended attributes.
TEST_F(SharedFileTest, OwnersSaveKeepsAclAndAttributes)
{
    if (QProcess::execute("setfacl", {"--version"}) != 0)
        GTEST_SKIP() << "setfacl is missing (package acl)";
    ASSERT_EQ(::chmod(QFile::encodeName(FDir.path()).constData(), 0777), 0);
    Share(FPath, kOwner, kOwner, 0600);
    ASSERT_EQ(QProcess::execute("setfacl", {"-m", QStringLiteral("u:%1:rw").arg(kOther), FPath}), 0);
    ASSERT_EQ(::setxattr(QFile::encodeName(FPath).constData(), "user.velquan", "kept", 4, 0), 0);
    const QString acl = Acl(FPath);
    ASSERT_TRUE(acl.contains(QStringLiteral("user:%1:rw-").arg(kOther))) << acl.toStdString();
    const struct stat before = Stat(FPath);

    EXPECT_TRUE(SaveAs(kOwner, kLong));
    EXPECT_EQ(Acl(FPath), acl);
    char value[8] = {};
    EXPECT_EQ(::getxattr(QFile::encodeName(FPath).constData(), "user.velquan", value, sizeof(value)), 4);
    EXPECT_STREQ(value, "kept");
    EXPECT_EQ(Stat(FPath).st_mode, before.st_mode);
    EXPECT_TRUE(SaveAs(kOther, kShort));
    EXPECT_EQ(ReadBytes(FPath), kShort);
    EXPECT_EQ(Acl(FPath), acl);
}

// A second hard link still shows the saved ranking.
TEST_F(SharedFileTest, SecondHardLinkFollowsTheSave)
{
    Share(FPath, kOwner, kOwner, 0644);
    ASSERT_EQ(::chmod(QFile::encodeName(FDir.path()).constData(), 0777), 0);
    const QString other = FDir.filePath("backup.ini");
    ASSERT_TRUE(::link(QFile::encodeName(FPath).constData(), QFile::encodeName(other).constData()) == 0);
    EXPECT_TRUE(SaveAs(kOwner, kLong));
    EXPECT_EQ(ReadBytes(other), kLong);
    EXPECT_EQ(Stat(FPath).st_ino, Stat(other).st_ino);
}

} // namespace
