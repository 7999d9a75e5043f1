// kovconfig: checks the bootstrap makes before it trusts or replaces the
// preferences file (private).
//
// Who may change the file, whether a file that failed to load is proven
// corrupt or merely unreadable, and keeping a corrupt file aside before it is
// replaced, so nothing written to it is lost.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace ZUR {
namespace xmlstore {

// Whether `path` and its directory may be trusted by a process whose
// effective user is `uid`: each is owned by `uid` and writable by neither its
// group nor others (the link itself and its target, when `path` is a symbolic
// link). A missing file or a dangling link is trusted: it will be replaced.
bool changeableOnlyBy(const std::string& path, uid_t uid);

enum class FileVerdict {
    missing,     // nothing at the path (any more)
    corrupt,     // read whole: empty, over the size limit, or not a well-formed preferences file
    unreadable,  // not a regular file, or reading failed (permission, I/O)
    wellFormed,  // read whole and parses: whatever failed, it was not the file's content
};

// Reads `path` (bounded, regular files only, never blocking) and judges it.
FileVerdict judgeFile(const std::string& path, std::size_t maxBytes, int maxDepth);

// Keeps the file at `path` under "<path>.corrupt-<UTC time>[-N]" (a hard link,
// or a rename where the file system has none). The link is made durable by
// the directory fsync of the replacement that follows. Answers the name used,
// or "" when nothing could be kept (the file must then not be replaced).
std::string keepAside(const std::string& path);

}  // namespace xmlstore
}  // namespace ZUR
