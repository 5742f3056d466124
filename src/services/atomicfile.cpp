#include "services/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>

#include <attr/libattr.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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

TSaveFaultHook SaveFaultHook = nullptr;

// The errno a test makes this step fail with; 0 lets it run.
int InjectedFault(TSaveStep step)
{
    return SaveFaultHook == nullptr ? 0 : SaveFaultHook(step);
}

bool Fail(int error)
{
    errno = error;
    return false;
}

// A disk or quota that is full: no other way of saving helps, so the save stops there.
bool IsFull(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

bool IsRefused(int error)
{
    return error == EACCES || error == EPERM;
}

bool WriteAllAt(int fd, const char* at, qsizetype left, off_t offset)
{
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

bool WriteAllAt(int fd, const QByteArray& data, TSaveStep step, off_t offset = 0)
{
    if (const int fault = InjectedFault(step)) {
        // A filling disk takes part of the data before it refuses the rest.
        WriteAllAt(fd, data.constData(), data.size() / 2, offset);
        return Fail(fault);
    }
    return WriteAllAt(fd, data.constData(), data.size(), offset);
}

bool Flush(int fd, TSaveStep step)
{
    if (const int fault = InjectedFault(step))
        return Fail(fault);
    return ::fsync(fd) == 0;
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
    if (const int fault = InjectedFault(TSaveStep::CreateTemporary)) {
        errno = fault;
        return -1;
    }
    const int fd = ::open(directory.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::flock(fd, LOCK_EX);
    return fd;
}

// False with errno set when no name could be given.
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
    if (const int fault = InjectedFault(TSaveStep::CreateTemporary)) {
        errno = fault;
        return -1;
    }
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
    errno = EEXIST;
    return -1;
}

// The names of a file's extended attributes, its ACL among them.
QList<QByteArray> AttributeNames(int fd)
{
    QByteArray names(4096, '\0');
    for (;;) {
        const ssize_t size = ::flistxattr(fd, names.data(), size_t(names.size()));
        if (size >= 0) {
            names.truncate(size);
            break;
        }
        if (errno != ERANGE)
            return {};
        names.resize(names.size() * 4);
    }
    QList<QByteArray> list = names.split('\0');
    list.removeAll(QByteArray());
    return list;
}

QByteArray AttributeValue(int fd, const QByteArray& name, bool& found)
{
    QByteArray value(1024, '\0');
    for (;;) {
        const ssize_t size = ::fgetxattr(fd, name.constData(), value.data(), size_t(value.size()));
        if (size >= 0) {
            value.truncate(size);
            found = true;
            return value;
        }
        if (errno != ERANGE) {
            found = false;
            return {};
        }
        value.resize(value.size() * 4);
    }
}

// Every attribute is copied: libattr's own choice would leave out the ACL, which is what lets
// other players write a shared ranking.
int CopyEveryAttribute(const char* /*name*/, struct error_context* /*context*/)
{
    return 1;
}

// Gives the new file everything the old one had besides its content; true when it has it all
// now, as checked on the new file itself.
bool TakeOverAttributes(int fd, const QByteArray& original, const struct stat& before)
{
    TFileDescriptor source(::open(original.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!source.IsOpen())
        return false;
    // Only a privileged process may give a file away; an owner may only pick one of its groups.
    [[maybe_unused]] const int chowned = ::fchown(fd, before.st_uid, before.st_gid);
    const QList<QByteArray> names = AttributeNames(source.Get());
    for (const QByteArray& name : AttributeNames(fd)) {
        if (!names.contains(name))
            ::fremovexattr(fd, name.constData());
    }
    if (::attr_copy_fd(original.constData(), source.Get(), original.constData(), fd, CopyEveryAttribute, nullptr) != 0)
        return false;
    // Last, as a change of owner may clear set-id bits and an ACL sets the group bits.
    ::fchmod(fd, before.st_mode & 07777);

    struct stat after {};
    if (::fstat(fd, &after) != 0 || after.st_uid != before.st_uid || after.st_gid != before.st_gid ||
        (after.st_mode & 07777) != (before.st_mode & 07777))
        return false;
    if (AttributeNames(fd).size() != names.size())
        return false;
    for (const QByteArray& name : names) {
        bool foundOld = false;
        bool foundNew = false;
        if (AttributeValue(source.Get(), name, foundOld) != AttributeValue(fd, name, foundNew) || foundOld != foundNew)
            return false;
    }
    return true;
}

// The line break the content ends its lines with: its last one, or CR LF in a file without.
QByteArray LineBreakOf(const QByteArray& content)
{
    const qsizetype last = std::max(content.lastIndexOf('\n'), content.lastIndexOf('\r'));
    if (last < 0 || (content.at(last) == '\n' && last > 0 && content.at(last - 1) == '\r'))
        return "\r\n";
    return QByteArray(1, content.at(last));
}

bool EndsLine(const QByteArray& content)
{
    return content.isEmpty() || content.endsWith('\n') || content.endsWith('\r');
}

// A save's padding starts with this comment, which no person or other tool writes by chance:
// the next save drops such a line, and only such a line.
constexpr char kPaddingMarker[] = ";VELQUAN save padding";

// The comment line of `size` bytes that pads content: the marker and spaces, on a line of its
// own. Empty when size is 0, and when size is too small for such a line.
QByteArray Padding(const QByteArray& content, qsizetype size)
{
    const QByteArray lineBreak = LineBreakOf(content);
    const QByteArray marker(kPaddingMarker);
    const qsizetype spaces = size - marker.size() - lineBreak.size();
    if (size == 0 || spaces < 0)
        return {};
    const QByteArray line = marker + QByteArray(spaces, ' ');
    return EndsLine(content) ? line + lineBreak : lineBreak + line;
}

bool FitsPadding(const QByteArray& content, qsizetype length)
{
    return length == content.size() || Padding(content, length - content.size()).size() == length - content.size();
}

// Puts the old content back after a failed in-place write; shrinking needs no space.
void Restore(int fd, const QByteArray& old)
{
    WriteAllAt(fd, old.constData(), old.size(), 0);
    [[maybe_unused]] const int cut = ::ftruncate(fd, off_t(old.size()));
    ::fsync(fd);
}

// Room for a longer file before any byte changes, so a full disk cannot stop the write
// half-way. Where the file system cannot reserve, the old content is first padded to that
// length, which a full disk stops before the old content is touched.
bool Reserve(int fd, const QByteArray& old, qsizetype length)
{
    if (length <= old.size())
        return true;
    int error = InjectedFault(TSaveStep::Reserve);
    if (error == 0) {
        if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(length)) == 0)
            return true;
        error = errno;
    }
    if (error != EOPNOTSUPP && error != ENOSYS)
        return Fail(error);
    const QByteArray padding = Padding(old, length - old.size());
    if (WriteAllAt(fd, padding.constData(), padding.size(), off_t(old.size())) && ::fsync(fd) == 0)
        return true;
    error = errno;
    [[maybe_unused]] const int cut = ::ftruncate(fd, off_t(old.size()));
    return Fail(error);
}

bool ReadAllAt(int fd, QByteArray& data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t got = ::pread(fd, data.data() + done, size_t(data.size() - done), off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

bool WriteInPlace(const QByteArray& target, const QByteArray& data)
{
    // No O_TRUNC: the old content stays until the new one covers it.
    TFileDescriptor fd(::open(target.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_size > kMaxFileSize)
        return false;
    // Kept to be put back should the write fail half-way.
    QByteArray old(qsizetype(opened.st_size), '\0');
    if (!ReadAllAt(fd.Get(), old))
        return false;
    // The new content covers the whole old one, padded where it is shorter, so that until the
    // cut the file holds nothing but the new content and a comment.
    qsizetype length = std::max(old.size(), data.size());
    while (!FitsPadding(old, length) || !FitsPadding(data, length))
        ++length;
    if (!Reserve(fd.Get(), old, length))
        return false;
    if (!WriteAllAt(fd.Get(), data + Padding(data, length - data.size()), TSaveStep::WriteInPlace)) {
        Restore(fd.Get(), old);
        return false;
    }
    if (!Continue(TSaveStep::WrittenInPlace))
        return false;
    if (::ftruncate(fd.Get(), off_t(data.size())) != 0 || !Flush(fd.Get(), TSaveStep::FlushInPlace)) {
        Restore(fd.Get(), old);
        return false;
    }
    return fd.Close();
}

// The unsaved new content under a temporary name (or none yet), ready to take the file's place.
struct TTemporary {
    TFileDescriptor Fd;
    QByteArray Name;
};

enum class TPrepared { Ready, Failed, KeepsNothing };

TPrepared Discard(TTemporary& temporary, TPrepared result)
{
    const int error = errno;
    if (!temporary.Name.isEmpty())
        ::unlink(temporary.Name.constData());
    temporary.Fd.Close();
    errno = error;
    return result;
}

// The new content, complete and on the disk, with everything the old file had. KeepsNothing
// when the folder takes no new file or the new one cannot be made like the old one.
TPrepared PrepareTemporary(TTemporary& temporary, const QByteArray& directory, const QByteArray& baseName,
                           const QByteArray& target, const QByteArray& data, const struct stat* original)
{
    temporary.Fd.Reset(CreateUnnamed(directory));
    if (!temporary.Fd.IsOpen()) {
        if (IsFull(errno))
            return TPrepared::Failed;
        temporary.Fd.Reset(CreateNamed(directory, baseName, temporary.Name));
    }
    if (!temporary.Fd.IsOpen())
        return IsFull(errno) || original == nullptr ? TPrepared::Failed : TPrepared::KeepsNothing;
    if (!WriteAllAt(temporary.Fd.Get(), data, TSaveStep::WriteTemporary))
        return Discard(temporary, TPrepared::Failed);
    if (original != nullptr && !TakeOverAttributes(temporary.Fd.Get(), target, *original))
        return Discard(temporary, TPrepared::KeepsNothing);
    if (!Flush(temporary.Fd.Get(), TSaveStep::FlushTemporary))
        return Discard(temporary, TPrepared::Failed);
    if (temporary.Name.isEmpty() && !LinkUnnamed(temporary.Fd.Get(), directory, baseName, temporary.Name)) {
        temporary.Name.clear();
        if (IsFull(errno))
            return Discard(temporary, TPrepared::Failed);
        // Without /proc the unnamed file cannot be named; a named one is made instead.
        temporary.Fd.Close();
        temporary.Fd.Reset(CreateNamed(directory, baseName, temporary.Name));
        if (!temporary.Fd.IsOpen())
            return TPrepared::Failed;
        if (!WriteAllAt(temporary.Fd.Get(), data, TSaveStep::WriteTemporary) ||
            (original != nullptr && !TakeOverAttributes(temporary.Fd.Get(), target, *original)) ||
            !Flush(temporary.Fd.Get(), TSaveStep::FlushTemporary))
            return Discard(temporary, TPrepared::Failed);
    }
    return TPrepared::Ready;
}

// A replacement would be another user's file, or would split the file from its other names.
bool MustStayInPlace(const struct stat& original)
{
    return original.st_uid != ::geteuid() || original.st_nlink > 1;
}

QByteArray DirectoryOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.left(slash) : QByteArray("/");
}

} // namespace

void SetSaveStepHook(TSaveStepHook hook)
{
    SaveStepHook = hook;
}

void SetSaveFaultHook(TSaveFaultHook hook)
{
    SaveFaultHook = hook;
}

QByteArray WithoutSavePadding(const QByteArray& data)
{
    const bool ended = !data.isEmpty() && EndsLine(data);
    const qsizetype end = data.size() - (data.endsWith("\r\n") ? 2 : ended ? 1 : 0);
    qsizetype start = end;
    while (start > 0 && data.at(start - 1) != '\n' && data.at(start - 1) != '\r')
        --start;
    const QByteArrayView line = QByteArrayView(data).sliced(start, end - start);
    const QByteArrayView marker(kPaddingMarker);
    if (!line.startsWith(marker) ||
        !std::all_of(line.begin() + marker.size(), line.end(), [](char c) { return c == ' '; }))
        return data;
    if (ended)
        return data.left(start);
    // Padding after an unended last line brought its own line break, which goes with it.
    if (start == 0)
        return data;
    return data.left(start - (data.first(start).endsWith("\r\n") ? 2 : 1));
}

TReadResult ReadRegularFile(const QString& fileName, QByteArray& data)
{
    data.clear();
    const QByteArray path = QFile::encodeName(fileName);
    struct stat named {};
    if (::stat(path.constData(), &named) != 0)
        return errno == ENOENT || errno == ENOTDIR ? TReadResult::Missing : TReadResult::Failed;
    if (!S_ISREG(named.st_mode))
        return TReadResult::NotAFile;
    if (named.st_size > kMaxFileSize)
        return TReadResult::TooLarge;
    // Non-blocking, in case something else has taken the name since.
    TFileDescriptor fd(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &opened) != 0)
        return TReadResult::Failed;
    if (!S_ISREG(opened.st_mode))
        return TReadResult::NotAFile;
    // The file may grow while it is read; no more than the limit and one byte is ever read.
    data.resize(qsizetype(std::min<off_t>(opened.st_size, kMaxFileSize)) + 1);
    qsizetype size = 0;
    for (;;) {
        if (size == data.size()) {
            if (size > kMaxFileSize) {
                data.clear();
                return TReadResult::TooLarge;
            }
            data.resize(std::min<qsizetype>(size * 2, kMaxFileSize + 1));
        }
        const ssize_t got = ::read(fd.Get(), data.data() + size, size_t(data.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            data.clear();
            return TReadResult::Failed;
        }
        if (got == 0)
            break;
        size += got;
    }
    data.truncate(size);
    return TReadResult::Read;
}

bool CreateFileExclusively(const QString& fileName, const QByteArray& data)
{
    const QByteArray target = QFile::encodeName(QFileInfo(fileName).absoluteFilePath());
    const QByteArray directory = DirectoryOf(target);
    const QByteArray baseName = target.mid(target.lastIndexOf('/') + 1);
    TTemporary temporary;
    if (PrepareTemporary(temporary, directory, baseName, target, data, nullptr) != TPrepared::Ready)
        return QFileInfo::exists(fileName);
    // A link, unlike a rename, never takes the place of a file that another start made first.
    const bool linked = ::link(temporary.Name.constData(), target.constData()) == 0;
    Discard(temporary, TPrepared::Ready);
    if (linked)
        SyncDirectory(directory);
    return linked || QFileInfo::exists(fileName);
}

bool WriteFileAtomically(const QString& fileName, const QByteArray& data)
{
    QString path = QFileInfo(fileName).absoluteFilePath();
    struct stat original {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &original) == 0;
    if (exists) {
        // A read-only file stays unwritten, as a direct write to it would.
        if (!S_ISREG(original.st_mode) || original.st_size > kMaxFileSize ||
            ::access(QFile::encodeName(path).constData(), W_OK) != 0)
            return false;
        // Through a symbolic link, the file it points to is replaced, not the link.
        path = QFileInfo(path).canonicalFilePath();
    }

    const QByteArray target = QFile::encodeName(path);
    const QByteArray directory = DirectoryOf(target);
    const QByteArray baseName = target.mid(target.lastIndexOf('/') + 1);
    if (exists && MustStayInPlace(original))
        return WriteInPlace(target, data);
    RemoveStaleTemporaries(directory, baseName);

    TTemporary temporary;
    switch (PrepareTemporary(temporary, directory, baseName, target, data, exists ? &original : nullptr)) {
    case TPrepared::Failed: return false;
    case TPrepared::KeepsNothing: return WriteInPlace(target, data);
    case TPrepared::Ready: break;
    }
    if (!Continue(TSaveStep::TemporaryNamed))
        return false;
    const int fault = InjectedFault(TSaveStep::Replace);
    if (fault != 0 || ::rename(temporary.Name.constData(), target.constData()) != 0) {
        const int error = fault != 0 ? fault : errno;
        Discard(temporary, TPrepared::Failed);
        // A sticky folder lets only the file's owner replace it; the file itself may be writable.
        return exists && IsRefused(error) && WriteInPlace(target, data);
    }
    // The lock is released only now, after the temporary name is gone. The data was synced
    // before the rename, so a failing close here loses nothing.
    temporary.Fd.Close();
    SyncDirectory(directory);
    return true;
}
