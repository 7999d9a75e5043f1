// kovconfig: checks the bootstrap makes before it trusts or replaces the
// preferences file.
#include "platform/PreferenceFileGuard.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <memory>

#include "platform/XmlConfigStoreFile.h"
#include "platform/XmlConfigStoreTree.h"

namespace ZUR {
namespace xmlstore {

namespace {

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool safeEntry(const struct stat& st, uid_t uid) {
    return st.st_uid == uid && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

bool changeableOnlyBy(const std::string& path, uid_t uid) {
    struct stat st {};
    if (::stat(directoryOf(path).c_str(), &st) != 0 || !safeEntry(st, uid)) return false;
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISLNK(st.st_mode)) return safeEntry(st, uid);
    // A link's own mode bits mean nothing; its owner and its target's do.
    if (st.st_uid != uid) return false;
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
    return safeEntry(st, uid);
}

FileVerdict judgeFile(const std::string& path, std::size_t maxBytes, int maxDepth) {
    std::string text;
    FileId id;
    switch (readBoundedFile(path, maxBytes, text, id)) {
        case ReadStatus::missing:
            return FileVerdict::missing;
        case ReadStatus::notRegular:
        case ReadStatus::ioError:
            return FileVerdict::unreadable;
        case ReadStatus::empty:
        case ReadStatus::tooLarge:
            return FileVerdict::corrupt;
        case ReadStatus::ok:
            break;
    }
    std::unique_ptr<Document> parsed;
    return Document::parse(text, maxDepth, parsed) == Document::ParseStatus::ok ? FileVerdict::wellFormed
                                                                                : FileVerdict::corrupt;
}

std::string keepAside(const std::string& path) {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    char stamp[32] = {};
    if (gmtime_r(&now, &utc) == nullptr || std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc) == 0)
        return "";
    const std::string base = path + ".corrupt-" + stamp;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = attempt == 0 ? base : base + "-" + std::to_string(attempt);
        // link() does not follow a symbolic link: a link is kept as a link.
        if (::link(path.c_str(), name.c_str()) == 0) return name;
        if (errno == EEXIST) continue;
        if (errno != EPERM && errno != ENOTSUP && errno != EMLINK) return "";
        // No hard links here: move the file instead, never over an existing name.
        struct stat st {};
        if (::lstat(name.c_str(), &st) == 0) continue;
        return ::rename(path.c_str(), name.c_str()) == 0 ? name : "";
    }
    return "";
}

}  // namespace xmlstore
}  // namespace ZUR
