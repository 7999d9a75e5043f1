// kovconfig: file primitives of the XML configuration store (private).
//
// Bounded reading, identity of a file version, durable replacement and the
// advisory lock that serialises changes between processes.
#pragma once

#include <sys/types.h>

#include <cstddef>
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

// Replaces `path` by `content`: a temporary file in the same directory
// (mode 0600) is written, fsynced and renamed over `path`, then the directory
// is fsynced. Throws std::runtime_error naming the failing step; the temporary
// file never outlives a failure.
void replaceFileDurably(const std::string& path, const std::string& content);

// Exclusive flock() on a lock file, released by the destructor. The lock file
// is never replaced, so the lock survives the renames of the file it guards.
class FileLock {
public:
    explicit FileLock(const std::string& lockPath);  // throws std::runtime_error
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace xmlstore
}  // namespace ZUR
