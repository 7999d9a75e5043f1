// kovconfig: the lock file that serialises changes between processes (private).
//
// Calling sequence: construct a FileLock on lockPathOf(file) before changing
// the file, keep it while reading, deciding and replacing, destroy it to
// release. The lock file is never replaced, so the lock survives the renames
// of the file it guards.
#pragma once

#include <sys/stat.h>

#include <chrono>
#include <string>

namespace ZUR {
namespace xmlstore {

// Path of the lock file of `path`: "<path>.lock".
std::string lockPathOf(const std::string& path);

// Opens a lock file without following a link and without blocking (a FIFO
// planted there must not hang us); -1 with errno set on failure (EINVAL when
// it is not a regular file). Only a writable open (O_RDWR) creates it, with
// mode 0600. `st` receives its status.
int openLockFile(const std::string& lockPath, int access, struct stat& st);

// Exclusive flock() on a lock file, released by the destructor. A lock
// file removed while a lock is held would let the next process lock a new
// one: the constructor takes the lock again when the file it locked is no
// longer at the path, and checkStillAtPath() refuses a commit under a lock
// whose file has gone. The lock file
// is never replaced, so the lock survives the renames of the file it guards.
// It is opened without following a symbolic link (a planted link makes the
// lock fail instead of creating or touching its target) and must be a regular
// file.
// A lock another process holds is waited for at most `wait`, trying again
// with growing pauses as git's lock files do; then the constructor throws a
// std::runtime_error saying so, rather than hanging behind a stuck holder.
class FileLock {
public:
    FileLock(const std::string& lockPath, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Throws std::runtime_error when the lock file at the path is no longer
    // the one locked: someone removed it, and a process that came after may
    // hold a lock of its own on a new one. Called just before a commit.
    void checkStillAtPath() const;

private:
    bool stillAtPath() const;

    std::string path_;
    int fd_ = -1;
};

}  // namespace xmlstore
}  // namespace ZUR
