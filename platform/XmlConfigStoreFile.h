// kovconfig: file primitives of the XML configuration store (private).
//
// Bounded reading, identity of a file version, durable replacement, the
// advisory lock that serialises changes between processes and the shared
// commit counter beside it.
#pragma once

#include <kovl/platform/XmlConfigStore.h>
#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace ZUR {
namespace xmlstore {

// Identifies one version of a file: a replacement by rename() gets a new inode,
// an in-place rewrite changes the size or the modification time.
struct FileId {
    bool valid = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    std::timespec mtime{};

    bool operator==(const FileId& other) const;
    bool operator!=(const FileId& other) const { return !(*this == other); }
};

// The identity of the file at `path` now; invalid when it cannot be stat'ed.
FileId statFile(const std::string& path);

enum class ReadStatus { ok, missing, notRegular, empty, tooLarge, ioError };

// Reads a regular file of at most `maxBytes` bytes. `id` receives the identity
// of the version read (taken from the open descriptor, so it matches `text`).
ReadStatus readBoundedFile(const std::string& path, std::size_t maxBytes, std::string& text, FileId& id);

// What a durable replacement did once it renamed the new version into place.
struct Replacement {
    FileId id;                     // the identity of the new version
    bool directorySynced = false;  // false: the rename may not survive a power cut yet
};

// The temporary file of every replacement of `path`: "<path>.tmp". One fixed
// name, used only under the file lock, so a writer killed at any moment
// leaves at most this one file, which the next replacement reuses.
std::string temporaryPathOf(const std::string& path);

// Replaces `path` by `content`; the caller holds the FileLock of `path`. The
// temporary file is removed if present (a leftover or a planted link), created
// anew with O_EXCL and O_NOFOLLOW (mode 0600), written, fsynced and renamed
// over `path`; then the directory is fsynced. Throws std::runtime_error naming
// the failing step when the rename did not happen (the temporary file is then
// removed). Once the rename is done the replacement stands: a failure to
// fsync the directory is reported in the result, not thrown.
Replacement replaceFileUnderLock(const std::string& path, const std::string& content);

// replaceFileUnderLock with the FileLock of `path` taken and released here,
// for callers outside a store change. Must not be called while the calling
// process holds that lock through another descriptor (flock would wait for
// itself).
void replaceFileDurably(const std::string& path, const std::string& content);

// Path of the lock file of `path`: "<path>.lock".
std::string lockPathOf(const std::string& path);

// Exclusive flock() on a lock file, released by the destructor. The lock file
// is never replaced, so the lock survives the renames of the file it guards.
// It is opened without following a symbolic link (a planted link makes the
// lock fail instead of creating or touching its target) and must be a regular
// file.
// A lock another process holds is waited for at most `wait`, trying again
// with growing pauses as git's lock files do; then the constructor throws a
// std::runtime_error saying so, rather than hanging behind a stuck holder.
class FileLock {
public:
    explicit FileLock(const std::string& lockPath,
                      std::chrono::milliseconds wait = XmlConfigStoreUtility::kDefaultLockWait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

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
