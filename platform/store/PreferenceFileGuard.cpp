// kovconfig: checks the bootstrap makes before it trusts or replaces the
// preferences file.
#include "platform/store/PreferenceFileGuard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/store/Document.h"
#include "platform/store/DurableFile.h"

namespace ZUR {
namespace xmlstore {

namespace {

bool writableByOthers(const struct stat& st) { return (st.st_mode & (S_IWGRP | S_IWOTH)) != 0; }

bool safeEntry(const struct stat& st, uid_t uid, const std::string& name, std::string& reason) {
    if (st.st_uid != uid) {
        reason = name + " is owned by user " + std::to_string(st.st_uid);
        return false;
    }
    if (writableByOthers(st)) {
        reason = name + " is writable by its group or by others";
        return false;
    }
    return true;
}

// The directories from "/" down to `dir`, opened one below the other without
// following a link; each above `dir` checked as an ancestor, `dir` as the
// file's own directory.
bool trustedDirectories(const std::string& dir, uid_t uid, std::string& reason) {
    if (dir.empty() || dir[0] != '/') {
        reason = dir + " is not an absolute path";
        return false;
    }
    std::vector<std::string> names;
    for (std::size_t at = 1; at < dir.size();) {
        const std::size_t slash = std::min(dir.find('/', at), dir.size());
        if (slash > at) names.push_back(dir.substr(at, slash - at));
        at = slash + 1;
    }
    int fd = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        reason = std::string("/ cannot be opened: ") + std::strerror(errno);
        return false;
    }
    std::string walked;
    for (std::size_t i = 0;; ++i) {
        struct stat st {};
        const std::string name = walked.empty() ? "/" : walked;
        const bool own = i == names.size();
        bool ok = ::fstat(fd, &st) == 0;
        if (!ok) {
            reason = name + " cannot be examined: " + std::strerror(errno);
        } else if (own) {
            ok = safeEntry(st, uid, name, reason);
        } else if (st.st_uid != 0 && st.st_uid != uid) {
            reason = name + " is owned by user " + std::to_string(st.st_uid);
            ok = false;
        } else if (writableByOthers(st) && !(st.st_uid == 0 && (st.st_mode & S_ISVTX) != 0)) {
            reason = name + " is writable by its group or by others";
            ok = false;
        }
        if (!ok || own) {
            ::close(fd);
            return ok;
        }
        walked += "/" + names[i];
        const int next = ::openat(fd, names[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int error = errno;
        ::close(fd);
        if (next < 0) {
            if (error == ENOENT) {
                reason = "the directory " + walked + " does not exist";
            } else if (error == ELOOP || error == ENOTDIR) {
                reason = walked + " is a symbolic link or not a directory";
            } else {
                reason = walked + " cannot be opened: " + std::strerror(error);
            }
            return false;
        }
        fd = next;
    }
}

}  // namespace

bool changeableOnlyBy(const std::string& path, uid_t uid, std::string& reason) {
    if (!trustedDirectories(directoryOf(path), uid, reason)) return false;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISLNK(st.st_mode)) return safeEntry(st, uid, path, reason);
    // A link's own mode bits mean nothing; its owner and its target's do.
    if (st.st_uid != uid) {
        reason = path + " is a link owned by user " + std::to_string(st.st_uid);
        return false;
    }
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
    return safeEntry(st, uid, path + " (the target of the link)", reason);
}

using FileState = IPreferenceFileStore::FileState;

FileState judgeFile(const std::string& path, std::size_t maxBytes, int maxDepth, FileId& id,
                    std::string& reason) {
    std::string text;
    id = FileId{};
    const ReadStatus status = readBoundedFile(path, maxBytes, text, id);
    const int error = errno;
    // A version not read whole is identified by its status alone.
    if (status != ReadStatus::ok && status != ReadStatus::missing) id = statFile(path);
    switch (status) {
        case ReadStatus::missing:
            return FileState::missing;
        case ReadStatus::notRegular:
            reason = "not a regular file";
            return FileState::unreadable;
        case ReadStatus::ioError:
            reason = std::strerror(error);
            return FileState::unreadable;
        case ReadStatus::empty:
            reason = "empty";
            return FileState::corrupt;
        case ReadStatus::tooLarge:
            reason = "larger than " + std::to_string(maxBytes) + " bytes";
            return FileState::corrupt;
        case ReadStatus::ok:
            break;
    }
    std::unique_ptr<Document> parsed;
    switch (Document::parse(text, maxDepth, parsed)) {
        case Document::ParseStatus::ok:
            return FileState::usable;
        case Document::ParseStatus::tooDeep:
            reason = "nested deeper than " + std::to_string(maxDepth) + " levels";
            break;
        case Document::ParseStatus::wrongRoot:
            reason = "not a preferences file";
            break;
        case Document::ParseStatus::malformed:
            reason = "not well-formed XML";
            break;
    }
    return FileState::corrupt;
}

}  // namespace xmlstore
}  // namespace ZUR
