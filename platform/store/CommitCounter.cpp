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
    int fd = openLockFile(lockPath, O_RDWR, st);
    writable_ = fd >= 0;
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = openLockFile(lockPath, O_RDONLY, st);
    if (fd < 0) return;
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } file{fd};
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
