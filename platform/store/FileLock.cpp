// kovconfig: the lock file that serialises changes between processes.
#include "platform/store/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "platform/store/DurableFile.h"

namespace ZUR {
namespace xmlstore {

std::string lockPathOf(const std::string& path) { return path + ".lock"; }

int openLockFile(const std::string& lockPath, int access, struct stat& st) {
    const int flags = access | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK;
    const int fd = access == O_RDONLY ? ::open(lockPath.c_str(), flags)
                                      : ::open(lockPath.c_str(), flags | O_CREAT, S_IRUSR | S_IWUSR);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

FileLock::FileLock(const std::string& lockPath, std::chrono::milliseconds wait) : path_(lockPath) {
    // Tried without blocking, then again after pauses growing from 1 ms to
    // 32 ms (with some jitter, so waiting processes drift apart) until `wait`
    // has passed. A lock taken on a file that is no longer the one at the path
    // (removed or replaced meanwhile) is let go and taken again on the new one.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    std::chrono::microseconds pause(1000);
    thread_local std::minstd_rand jitter(static_cast<unsigned>(::getpid()));
    for (;;) {
        struct stat st {};
        fd_ = openLockFile(lockPath, O_RDWR, st);
        if (fd_ < 0) throwErrno(errno, "cannot open the lock file", lockPath);
        int err = 0;
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            err = errno;
            if (err == EINTR) continue;
            const Clock::time_point now = Clock::now();
            if (err != EWOULDBLOCK || now >= deadline) {
                ::close(fd_);
                fd_ = -1;
                if (err != EWOULDBLOCK) throwErrno(err, "cannot lock", lockPath);
                throw std::runtime_error("XmlConfigStore: another process held the lock '" + lockPath +
                                         "' for " + std::to_string(wait.count()) +
                                         " ms; the change was not made");
            }
            const auto jittered = pause + std::chrono::microseconds(jitter() % (pause.count() / 2 + 1));
            std::this_thread::sleep_for(std::min<Clock::duration>(jittered, deadline - now));
            pause = std::min(pause * 2, std::chrono::microseconds(32000));
        }
        if (stillAtPath()) return;
        ::close(fd_);
        fd_ = -1;
    }
}

bool FileLock::stillAtPath() const {
    struct stat held {};
    struct stat now {};
    return ::fstat(fd_, &held) == 0 && ::lstat(path_.c_str(), &now) == 0 && held.st_dev == now.st_dev &&
           held.st_ino == now.st_ino;
}

void FileLock::checkStillAtPath() const {
    if (!stillAtPath()) {
        throw std::runtime_error(
            "XmlConfigStore: the lock file '" + path_ +
            "' was removed or replaced while the lock was held; the change was not made");
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing the last descriptor releases the flock
}

}  // namespace xmlstore
}  // namespace ZUR
