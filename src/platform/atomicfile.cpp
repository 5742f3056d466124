#include "platform/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Name clashes with a leftover file are possible but rare; a few fresh names settle them.
constexpr int kTemporaryAttempts = 16;

bool WriteAll(int fd, const QByteArray& data)
{
    const char* at = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        left -= written;
    }
    return true;
}

// The descriptor is closed whatever happens; a failed close can mean lost data too.
bool WriteSyncAndClose(int fd, const QByteArray& data)
{
    const bool written = WriteAll(fd, data) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

// Makes the rename itself survive a power cut; failing here loses nothing already written.
void SyncDirectory(const QByteArray& directory)
{
    const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Opened with O_EXCL and mode 0666 so the umask applies as to any new file.
int CreateTemporary(const QByteArray& directory, const QByteArray& baseName, QByteArray& temporary)
{
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary = directory + "/." + baseName + "."
                    + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteInPlace(const QByteArray& target, const QByteArray& data)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    return fd >= 0 && WriteSyncAndClose(fd, data);
}

} // namespace

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
    QByteArray temporary;
    const int fd = CreateTemporary(directory, target.mid(slash + 1), temporary);
    if (fd < 0)
        return exists && WriteInPlace(target, data);

    if (exists) {
        ::fchmod(fd, original.st_mode & 07777);
        // Only a privileged process may hand the file back to its owner; others keep theirs.
        [[maybe_unused]] const int ignored = ::fchown(fd, original.st_uid, original.st_gid);
    }
    if (!WriteSyncAndClose(fd, data) || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    SyncDirectory(directory);
    return true;
}
