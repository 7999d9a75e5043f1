// kovconfig: the commit counter shared by every process that uses the
// preferences file.
#include "platform/store/CommitCounter.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

#include "platform/store/FileLock.h"

namespace ZUR {
namespace xmlstore {

namespace {
constexpr std::size_t kCounterBytes = sizeof(std::uint64_t);
}  // namespace

ChangeCounter::ChangeCounter(const std::string& lockPath) {
    struct stat st {};
    fd_ = openLockFile(lockPath, O_RDWR, st);
    writable_ = fd_ >= 0;
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd_ = openLockFile(lockPath, O_RDONLY, st);
    if (fd_ < 0) return;
    if (writable_) {
        // The counter's bytes are reserved for real before they are mapped: a
        // page the file system cannot back (a full tmpfs) would otherwise kill
        // the process with SIGBUS when written. Reserving never changes bytes
        // already there, so processes may race here harmlessly; a counter
        // just created reads 0. Without the space, the counter is read and
        // written with system calls, which fail instead.
        if (::posix_fallocate(fd_, 0, static_cast<off_t>(kCounterBytes)) != 0) return;
    } else if (st.st_size < static_cast<off_t>(kCounterBytes)) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    // Populated at once: the first read would otherwise take a page fault.
    void* mapped = ::mmap(nullptr, kCounterBytes, writable_ ? PROT_READ | PROT_WRITE : PROT_READ,
                          MAP_SHARED | MAP_POPULATE, fd_, 0);
    if (mapped == MAP_FAILED) return;
    word_ = static_cast<std::uint64_t*>(mapped);
    ::close(fd_);  // the mapping stays
    fd_ = -1;
}

ChangeCounter::~ChangeCounter() {
    if (word_ != nullptr) ::munmap(word_, kCounterBytes);
    if (fd_ >= 0) ::close(fd_);
}

std::uint64_t ChangeCounter::load() const {
    if (word_ != nullptr) return __atomic_load_n(word_, __ATOMIC_ACQUIRE);
    std::uint64_t value = 0;
    if (fd_ < 0 || ::pread(fd_, &value, sizeof value, 0) != static_cast<ssize_t>(sizeof value)) return 0;
    return value;
}

std::uint64_t ChangeCounter::bump() {
    if (!writable_) return load();
    if (word_ != nullptr) return __atomic_add_fetch(word_, 1, __ATOMIC_ACQ_REL);
    const std::uint64_t next = load() + 1;
    if (fd_ < 0 || ::pwrite(fd_, &next, sizeof next, 0) != static_cast<ssize_t>(sizeof next)) return load();
    return next;
}

}  // namespace xmlstore
}  // namespace ZUR
