#include "services/filelock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds kRetryEvery{5};

enum class TAttempt { Held, Busy, Replaced, NoLocks };

// One try at locking the file the descriptor has open, which must still be the one the name
// holds once the lock is there.
TAttempt TryLock(int fd, short type, const QByteArray& path)
{
    struct flock whole {};
    whole.l_type = type;
    whole.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &whole) != 0)
        return errno == EAGAIN || errno == EACCES || errno == EINTR ? TAttempt::Busy : TAttempt::NoLocks;
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
        opened.st_ino == named.st_ino)
        return TAttempt::Held;
    return TAttempt::Replaced;
}

} // namespace

TFileLock::TFileLock(const QString& fileName, TKind kind, std::chrono::milliseconds timeout)
{
    const QByteArray path = QFile::encodeName(fileName);
    // A write lock needs a descriptor open for writing.
    const int access = kind == TKind::Exclusive ? O_RDWR : O_RDONLY;
    const short type = kind == TKind::Exclusive ? F_WRLCK : F_RDLCK;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const int fd = ::open(path.constData(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        struct stat opened {};
        if (fd < 0)
            return;
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            return;
        }
        TAttempt attempt = TryLock(fd, type, path);
        while (attempt == TAttempt::Busy && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(kRetryEvery);
            attempt = TryLock(fd, type, path);
        }
        if (attempt == TAttempt::Held) {
            FFd = fd;
            return;
        }
        // Closing the descriptor gives up a lock on a file that is no longer the named one.
        ::close(fd);
        if (attempt != TAttempt::Replaced || std::chrono::steady_clock::now() >= deadline)
            return;
    }
}

TFileLock::~TFileLock()
{
    if (FFd >= 0)
        ::close(FFd);
}
