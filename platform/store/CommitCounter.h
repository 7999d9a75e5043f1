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
    // opened (without following a link), is not a regular file, or cannot be
    // mapped. A read-only lock file gives a counter that can be read only.
    explicit ChangeCounter(const std::string& lockPath);
    ~ChangeCounter();
    ChangeCounter(const ChangeCounter&) = delete;
    ChangeCounter& operator=(const ChangeCounter&) = delete;

    bool active() const { return word_ != nullptr; }
    std::uint64_t load() const;  // 0 when inactive
    // Counts one commit and answers the new value; requires the FileLock.
    // Answers load() when the counter cannot be written.
    std::uint64_t bump();

private:
    std::uint64_t* word_ = nullptr;
    bool writable_ = false;
};

}  // namespace xmlstore
}  // namespace ZUR
