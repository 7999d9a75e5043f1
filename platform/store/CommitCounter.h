// kovconfig: the commit counter shared by every process that uses the
// preferences file (private).
#pragma once

#include <cstdint>
#include <string>

namespace ZUR {
namespace xmlstore {

// The commit counter kept in the first eight bytes of the lock file, mapped
// shared by every process that uses the file. A commit bumps it while holding
// the FileLock; a reader compares it with the value it last synchronised at,
// which costs a memory load and no system call.
class ChangeCounter {
public:
    // Maps the counter of `lockPath`; inactive when the lock file cannot be
    // opened (without following a link) or is not a regular file. Where its
    // bytes cannot be reserved or mapped, it is read and written with system
    // calls instead. A read-only lock file gives a counter that can be read only.
    explicit ChangeCounter(const std::string& lockPath);
    ~ChangeCounter();
    ChangeCounter(const ChangeCounter&) = delete;
    ChangeCounter& operator=(const ChangeCounter&) = delete;

    bool active() const { return word_ != nullptr || fd_ >= 0; }
    std::uint64_t load() const;  // 0 when inactive
    // Counts one commit and answers the new value; requires the FileLock.
    // Answers load() when the counter cannot be written.
    std::uint64_t bump();

private:
    std::uint64_t* word_ = nullptr;  // the mapped counter
    int fd_ = -1;                    // without a mapping: the lock file, read and written with pread/pwrite
    bool writable_ = false;
};

}  // namespace xmlstore
}  // namespace ZUR
