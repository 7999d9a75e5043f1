// kovconfig: file primitives of the XML configuration store (private).
//
// Bounded reading, the identity of one version of a file, and its durable
// replacement through one temporary file, in the manner of git's tempfile and
// glib's g_file_set_contents. Calling sequence of a replacement: take the
// FileLock of the file (FileLock.h), call replaceFileUnderLock, release.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <ctime>
#include <string>

namespace ZUR {
namespace xmlstore {

// Throws std::system_error for `err`, saying what could not be done to `file`.
[[noreturn]] void throwErrno(int err, const std::string& what, const std::string& file);

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
    int directoryError = 0;        // errno of the failed open or fsync of the directory
};

// Opens and fsyncs `dir`; answers 0 or the errno of the failed step.
int syncDirectory(const std::string& dir);

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

// The directory part of `path` ("." when it has none).
std::string directoryOf(const std::string& path);

// Keeps the file at `path` under "<path>.corrupt-<UTC time>[-N]" (a hard link,
// or a rename where the file system has none), durably (the directory is
// fsynced). A file whose content equals a copy already kept is not kept
// again, and of the copies only the newest kMaxKeptAside stay. Answers the
// name the content is kept under, or "" when it could not be kept (the file
// must then not be replaced).
constexpr int kMaxKeptAside = 5;
std::string keepAside(const std::string& path);

}  // namespace xmlstore
}  // namespace ZUR
