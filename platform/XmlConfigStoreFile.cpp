// kovconfig: file primitives of the XML configuration store.
#include "platform/XmlConfigStoreFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace ZUR {
namespace xmlstore {

namespace {

[[noreturn]] void throwErrno(int err, const std::string& what, const std::string& file) {
    throw std::system_error(err, std::generic_category(), "XmlConfigStore: " + what + " '" + file + "'");
}

FileId idFromStat(const struct stat& st) {
    FileId id;
    id.valid = true;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    id.size = st.st_size;
    id.mtime = st.st_mtim;
    return id;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

struct Descriptor {
    explicit Descriptor(int value) : fd(value) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    const int fd;
};

// Opens a lock file without following a link and without blocking (a FIFO
// planted there must not hang us); -1 with errno set on failure (EINVAL when
// it is not a regular file). Only a writable open creates it.
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

constexpr std::size_t kCounterBytes = sizeof(std::uint64_t);

}  // namespace

bool FileId::operator==(const FileId& other) const {
    if (valid != other.valid) return false;
    if (!valid) return true;
    return dev == other.dev && ino == other.ino && size == other.size && mtime.tv_sec == other.mtime.tv_sec &&
           mtime.tv_nsec == other.mtime.tv_nsec;
}

FileId statFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FileId{};
    return idFromStat(st);
}

ReadStatus readBoundedFile(const std::string& path, std::size_t maxBytes, std::string& text, FileId& id) {
    text.clear();
    // O_NONBLOCK keeps a FIFO planted at the path from blocking the open.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::missing : ReadStatus::ioError;
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) return ReadStatus::ioError;
    if (!S_ISREG(st.st_mode)) return ReadStatus::notRegular;
    if (st.st_size <= 0) return ReadStatus::empty;
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) return ReadStatus::tooLarge;

    // The size is a hint only: read to end of file, never past the bound.
    const std::size_t readLimit = maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
    std::vector<char> buffer(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == buffer.size()) {
            if (used > maxBytes) return ReadStatus::tooLarge;
            buffer.resize(std::min(buffer.size() * 2, readLimit));
        }
        const ssize_t n = ::read(file.fd, buffer.data() + used, buffer.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ReadStatus::ioError;
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    if (used > maxBytes) return ReadStatus::tooLarge;
    if (used == 0) return ReadStatus::empty;
    // Identity after the read: a version rewritten in place while we read it
    // then looks changed at the next check and is read again.
    if (::fstat(file.fd, &st) != 0) return ReadStatus::ioError;
    text.assign(buffer.data(), used);
    id = idFromStat(st);
    return ReadStatus::ok;
}

std::string temporaryPathOf(const std::string& path) { return path + ".tmp"; }

std::string lockPathOf(const std::string& path) { return path + ".lock"; }

Replacement replaceFileUnderLock(const std::string& path, const std::string& content) {
    const std::string tmp = temporaryPathOf(path);
    // Whatever sits under the temporary name is ours to drop: a file left by a
    // writer that died, or a link nobody should make us write through.
    if (::unlink(tmp.c_str()) != 0 && errno != ENOENT) throwErrno(errno, "cannot remove", tmp);
    const Descriptor file(::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                                 S_IRUSR | S_IWUSR));
    if (file.fd < 0) throwErrno(errno, "cannot create the temporary file", tmp);
    bool renamed = false;
    struct Cleanup {
        const std::string& name;
        const bool& renamed;
        ~Cleanup() {
            if (!renamed) ::unlink(name.c_str());
        }
    } cleanup{tmp, renamed};

    if (::fchmod(file.fd, S_IRUSR | S_IWUSR) != 0) throwErrno(errno, "cannot set the mode of", tmp);
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(file.fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            throwErrno(errno, "cannot write", tmp);
        }
        if (n == 0) throwErrno(EIO, "cannot write", tmp);
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(file.fd) != 0) throwErrno(errno, "cannot fsync", tmp);
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) throwErrno(errno, "cannot stat", tmp);
    // rename() replaces a link at `path` itself, never its target.
    if (::rename(tmp.c_str(), path.c_str()) != 0) throwErrno(errno, "cannot rename over", path);
    renamed = true;

    Replacement done;
    done.id = idFromStat(st);  // a rename keeps the inode and the modification time
    const std::string dir = directoryOf(path);
    const Descriptor directory(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    done.directorySynced = directory.fd >= 0 && ::fsync(directory.fd) == 0;
    return done;
}

void replaceFileDurably(const std::string& path, const std::string& content) {
    const std::string lockPath = lockPathOf(path);
    const FileLock lock(lockPath);
    replaceFileUnderLock(path, content);
    ChangeCounter(lockPath).bump();  // processes holding the file see the new version at once
}

FileLock::FileLock(const std::string& lockPath, std::chrono::milliseconds wait) {
    struct stat st {};
    fd_ = openLockFile(lockPath, O_RDWR, st);
    if (fd_ < 0) throwErrno(errno, "cannot open the lock file", lockPath);
    // Tried without blocking, then again after pauses growing from 1 ms to
    // 32 ms (with some jitter, so waiting processes drift apart) until `wait`
    // has passed.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    std::chrono::microseconds pause(1000);
    thread_local std::minstd_rand jitter(static_cast<unsigned>(::getpid()));
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
        const int err = errno;
        if (err == EINTR) continue;
        const Clock::time_point now = Clock::now();
        if (err != EWOULDBLOCK || now >= deadline) {
            ::close(fd_);
            fd_ = -1;
            if (err != EWOULDBLOCK) throwErrno(err, "cannot lock", lockPath);
            throw std::runtime_error("XmlConfigStore: another process held the lock '" + lockPath + "' for " +
                                     std::to_string(wait.count()) + " ms; the change was not made");
        }
        const auto jittered = pause + std::chrono::microseconds(jitter() % (pause.count() / 2 + 1));
        std::this_thread::sleep_for(std::min<Clock::duration>(jittered, deadline - now));
        pause = std::min(pause * 2, std::chrono::microseconds(32000));
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing the last descriptor releases the flock
}

ChangeCounter::ChangeCounter(const std::string& lockPath) {
    struct stat st {};
    int fd = openLockFile(lockPath, O_RDWR, st);
    writable_ = fd >= 0;
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = openLockFile(lockPath, O_RDONLY, st);
    if (fd < 0) return;
    const Descriptor file(fd);
    // Growing the file never changes bytes already there, so two processes
    // may race here harmlessly; a counter just created reads 0.
    if (st.st_size < static_cast<off_t>(kCounterBytes) &&
        (!writable_ || ::ftruncate(file.fd, static_cast<off_t>(kCounterBytes)) != 0)) {
        return;
    }
    // Populated at once: the first read would otherwise take a page fault.
    void* mapped = ::mmap(nullptr, kCounterBytes, writable_ ? PROT_READ | PROT_WRITE : PROT_READ,
                          MAP_SHARED | MAP_POPULATE, file.fd, 0);
    if (mapped == MAP_FAILED) return;
    word_ = static_cast<std::uint64_t*>(mapped);
}

ChangeCounter::~ChangeCounter() {
    if (word_ != nullptr) ::munmap(word_, kCounterBytes);
}

std::uint64_t ChangeCounter::load() const {
    return word_ == nullptr ? 0 : __atomic_load_n(word_, __ATOMIC_ACQUIRE);
}

std::uint64_t ChangeCounter::bump() {
    if (word_ == nullptr || !writable_) return load();
    return __atomic_add_fetch(word_, 1, __ATOMIC_ACQ_REL);
}

}  // namespace xmlstore
}  // namespace ZUR
