#pragma once

#include <QString>

#include <chrono>

// An advisory lock on a whole file, held from construction to destruction: an fcntl record lock
// of the open file itself rather than of the process, so that other descriptors of the same
// file opened and closed meanwhile leave it alone, and one that NFS (through its lock manager)
// and SMB pass on to other machines. Savers that replace the file lock the file the name holds
// when they get the lock, so a replacement made meanwhile is waited for too.
//
// Nothing is held where the file is missing or no plain file, where the file system keeps no
// locks, or where another holder keeps it past the timeout: callers then go on without, as
// they would on a file system without locks.
class TFileLock {
public:
    enum class TKind {
        Shared,    // for reading: excludes writers only
        Exclusive, // for reading, changing and writing back
    };

    TFileLock(const QString& fileName, TKind kind, std::chrono::milliseconds timeout);
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    bool Held() const { return FFd >= 0; }

private:
    int FFd = -1;
};
