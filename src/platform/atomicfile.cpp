#include "platform/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Name clashes with a leftover file are possible but rare; a few fresh names settle them.
constexpr int kTemporaryAttempts = 16;
constexpr char kTemporarySuffix[] = ".tmp";
constexpr qsizetype kMaxHexDigits = 8;

TSaveStepHook SaveStepHook = nullptr;

bool Continue(TSaveStep step)
{
    return SaveStepHook == nullptr || SaveStepHook(step);
}

// Owns a descriptor; Close reports what close says, as a failed close can mean lost data.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd = -1) : FFd(fd) {}
    ~TFileDescriptor() { Close(); }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return FFd; }
    bool IsOpen() const { return FFd >= 0; }
    int Release()
    {
        const int fd = FFd;
        FFd = -1;
        return fd;
    }
    void Reset(int fd)
    {
        Close();
        FFd = fd;
    }
    bool Close()
    {
        if (FFd < 0)
            return true;
        const bool closed = ::close(FFd) == 0;
        FFd = -1;
        return closed;
    }

private:
    int FFd = -1;
};

bool WriteAllAt(int fd, const QByteArray& data)
{
    const char* at = data.constData();
    qsizetype left = data.size();
    off_t offset = 0;
    while (left > 0) {
        const ssize_t written = ::pwrite(fd, at, size_t(left), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        left -= written;
        offset += written;
    }
    return true;
}

// Makes the rename itself survive a power cut; failing here loses nothing already written.
void SyncDirectory(const QByteArray& directory)
{
    TFileDescriptor fd(::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen())
        ::fsync(fd.Get());
}

QByteArray TemporaryPrefix(const QByteArray& baseName)
{
    return "." + baseName + ".";
}

QByteArray TemporaryName(const QByteArray& baseName)
{
    return TemporaryPrefix(baseName) + QByteArray::number(QRandomGenerator::global()->generate(), 16) +
           kTemporarySuffix;
}

bool IsTemporaryName(const QByteArray& name, const QByteArray& baseName)
{
    const QByteArray prefix = TemporaryPrefix(baseName);
    if (!name.startsWith(prefix) || !name.endsWith(kTemporarySuffix))
        return false;
    const QByteArray digits =
        name.mid(prefix.size(), name.size() - prefix.size() - qsizetype(strlen(kTemporarySuffix)));
    return !digits.isEmpty() && digits.size() <= kMaxHexDigits && std::all_of(digits.begin(), digits.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A save holds an exclusive lock on its temporary file from before the file has a name until
// after the rename, so an unlocked temporary file belongs to a save that died.
void RemoveStaleTemporaries(const QByteArray& directory, const QByteArray& baseName)
{
    TFileDescriptor dirFd(::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dirFd.IsOpen())
        return;
    TFileDescriptor listed(::fcntl(dirFd.Get(), F_DUPFD_CLOEXEC, 0));
    DIR* listing = listed.IsOpen() ? ::fdopendir(listed.Get()) : nullptr;
    if (listing == nullptr)
        return;
    listed.Release(); // closedir closes it
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (!IsTemporaryName(name, baseName))
            continue;
        constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        TFileDescriptor fd(::openat(dirFd.Get(), name.constData(), O_RDONLY | kFlags));
        if (!fd.IsOpen())
            fd.Reset(::openat(dirFd.Get(), name.constData(), O_WRONLY | kFlags));
        struct stat opened {};
        struct stat named {};
        if (!fd.IsOpen() || ::fstat(fd.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
            ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        // Only the file that was locked goes, not one that has since taken its name.
        if (::fstatat(dirFd.Get(), name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(opened, named))
            ::unlinkat(dirFd.Get(), name.constData(), 0);
    }
    ::closedir(listing);
}

// An unnamed file cannot be left behind by a kill; it gets a name only once it is complete.
int CreateUnnamed(const QByteArray& directory)
{
    const int fd = ::open(directory.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::flock(fd, LOCK_EX);
    return fd;
}

bool LinkUnnamed(int fd, const QByteArray& directory, const QByteArray& baseName, QByteArray& temporary)
{
    const QByteArray source = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary = directory + "/" + TemporaryName(baseName);
        if (::linkat(AT_FDCWD, source.constData(), AT_FDCWD, temporary.constData(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// For file systems without unnamed files: the lock is taken right after creation, and a
// cleaner that got there first (and removed the name) is noticed and avoided.
int CreateNamed(const QByteArray& directory, const QByteArray& baseName, QByteArray& temporary)
{
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary = directory + "/" + TemporaryName(baseName);
        TFileDescriptor fd(::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!fd.IsOpen()) {
            if (errno != EEXIST)
                return -1;
            continue;
        }
        const int lockError = ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
        // A file system without locks cannot lock it for a cleaner either: it is used unlocked.
        if (lockError != 0 && lockError != EWOULDBLOCK)
            return fd.Release();
        struct stat opened {};
        struct stat named {};
        if (lockError == 0 && ::fstat(fd.Get(), &opened) == 0 && ::lstat(temporary.constData(), &named) == 0 &&
            SameFile(opened, named))
            return fd.Release();
        // A cleaner got to the name first and removes it: another name is taken.
    }
    return -1;
}

// The new content, with the old file's permissions, safely on the disk.
bool FillTemporary(int fd, const QByteArray& data, const struct stat* original)
{
    if (original != nullptr) {
        ::fchmod(fd, original->st_mode & 07777);
        // Only a privileged process may hand the file back to its owner; others keep theirs.
        [[maybe_unused]] const int ignored = ::fchown(fd, original->st_uid, original->st_gid);
    }
    return WriteAllAt(fd, data) && ::fsync(fd) == 0;
}

bool WriteInPlace(const QByteArray& target, const QByteArray& data)
{
    // No O_TRUNC: the old content stays until the new one covers it.
    TFileDescriptor fd(::open(target.constData(), O_WRONLY | O_CLOEXEC));
    if (!fd.IsOpen() || !WriteAllAt(fd.Get(), data))
        return false;
    if (!Continue(TSaveStep::WrittenInPlace))
        return false;
    return ::ftruncate(fd.Get(), off_t(data.size())) == 0 && ::fsync(fd.Get()) == 0 && fd.Close();
}

} // namespace

void SetSaveStepHook(TSaveStepHook hook)
{
    SaveStepHook = hook;
}

bool WriteFileAtomically(const QString& fileName, const QByteArray& data)
{
    QString path = QFileInfo(fileName).absoluteFilePath();
    struct stat original {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &original) == 0;
    if (exists) {
        // A read-only file stays unwritten, as a direct write to it would.
        if (!S_ISREG(original.st_mode) || ::access(QFile::encodeName(path).constData(), W_OK) != 0)
            return false;
        // Through a symbolic link, the file it points to is replaced, not the link.
        path = QFileInfo(path).canonicalFilePath();
    }

    const QByteArray target = QFile::encodeName(path);
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray directory = slash > 0 ? target.left(slash) : QByteArray("/");
    const QByteArray baseName = target.mid(slash + 1);
    RemoveStaleTemporaries(directory, baseName);

    QByteArray temporary;
    const struct stat* keep = exists ? &original : nullptr;
    TFileDescriptor fd(CreateUnnamed(directory));
    if (fd.IsOpen()) {
        if (!FillTemporary(fd.Get(), data, keep))
            return false;
        // Without /proc the unnamed file cannot be named; a named one is made instead.
        if (!LinkUnnamed(fd.Get(), directory, baseName, temporary))
            fd.Close();
    }
    if (!fd.IsOpen()) {
        fd.Reset(CreateNamed(directory, baseName, temporary));
        if (!fd.IsOpen())
            return exists && WriteInPlace(target, data);
        if (!FillTemporary(fd.Get(), data, keep)) {
            ::unlink(temporary.constData());
            return false;
        }
    }
    if (!Continue(TSaveStep::TemporaryNamed))
        return false;
    if (::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    // The lock is released only now, after the temporary name is gone. The data was synced
    // before the rename, so a failing close here loses nothing.
    fd.Close();
    SyncDirectory(directory);
    return true;
}
