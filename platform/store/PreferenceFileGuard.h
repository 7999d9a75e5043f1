// kovconfig: checks the bootstrap makes before it trusts or replaces the
// preferences file (private).
//
// Who may change the file, and whether a file that failed to load is proven
// corrupt or merely unreadable.
#pragma once

#include <kovl/platform/XmlConfigStore.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

#include "platform/store/DurableFile.h"

namespace ZUR {
namespace xmlstore {

// Whether `path` may be trusted by a process whose effective user is `uid`,
// as sshd's StrictModes trusts a path: walking from "/" without following a
// link, every directory above the file's own is a directory (not a link)
// owned by root or `uid` and writable by neither group nor others, unless it
// is root's and sticky (as /tmp is, where nobody may rename what is not
// theirs); the file's directory is owned by `uid` and writable by nobody
// else; the file, when present, is owned by `uid` and writable by nobody else
// (a link: the link itself and its target). A missing file or a dangling link
// is trusted: it will be replaced. `reason` says what was refused.
bool changeableOnlyBy(const std::string& path, uid_t uid, std::string& reason);

// Reads `path` (bounded, regular files only, never blocking) and judges it;
// `id` receives the identity of the version read (invalid when none was),
// `reason` why it is not well formed (naming no content). Corrupt means read
// whole and empty, over the size limit or not a well-formed preferences file;
// unreadable, not a regular file or a failed read (permission, I/O); usable,
// read whole and parsed, so whatever failed, it was not the file's content.
IPreferenceFileStore::FileState judgeFile(const std::string& path, std::size_t maxBytes, int maxDepth,
                                          FileId& id, std::string& reason);

}  // namespace xmlstore
}  // namespace ZUR
