// kovconfig: file primitives of the XML configuration store.
#include "platform/store/DurableFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace ZUR {
namespace xmlstore {

[[noreturn]] void throwErrno(int err, const std::string& what, const std::string& file) {
    throw std::system_error(err, std::generic_category(), "XmlConfigStore: " + what + " '" + file + "'");
}

namespace {

FileId idFromStat(const struct stat& st) {
    FileId id;
    id.valid = true;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    id.size = st.st_size;
    id.mtime = st.st_mtim;
    return id;
}

struct Descriptor {
    explicit Descriptor(int value) : fd(value) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    const int fd;
};

}  // namespace

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool FileId::operator==(const FileId& other) const {
    if (valid != other.valid) return false;
    if (!valid) return true;
    return dev == other.dev && ino == other.ino && size == other.size && mtime.tv_sec == other.mtime.tv_sec &&
           mtime.tv_nsec == other.mtime.tv_nsec;
}

FileId statFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FileId{};
    return idFromStat(st);
}

ReadStatus readBoundedFile(const std::string& path, std::size_t maxBytes, std::string& text, FileId& id) {
    text.clear();
    // O_NONBLOCK keeps a FIFO planted at the path from blocking the open.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::missing : ReadStatus::ioError;
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) return ReadStatus::ioError;
    if (!S_ISREG(st.st_mode)) return ReadStatus::notRegular;
    if (st.st_size <= 0) return ReadStatus::empty;
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) return ReadStatus::tooLarge;

    // The size is a hint only: read to end of file, never past the bound.
    const std::size_t readLimit = maxBytes < SIZE_MAX ? maxBytes + 1 : maxBytes;
    std::vector<char> buffer(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == buffer.size()) {
            if (used > maxBytes) return ReadStatus::tooLarge;
            buffer.resize(std::min(buffer.size() * 2, readLimit));
        }
        const ssize_t n = ::read(file.fd, buffer.data() + used, buffer.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ReadStatus::ioError;
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    if (used > maxBytes) return ReadStatus::tooLarge;
    if (used == 0) return ReadStatus::empty;
    // Identity after the read: a version rewritten in place while we read it
    // then looks changed at the next check and is read again.
    if (::fstat(file.fd, &st) != 0) return ReadStatus::ioError;
    text.assign(buffer.data(), used);
    id = idFromStat(st);
    return ReadStatus::ok;
}

std::string temporaryPathOf(const std::string& path) { return path + ".tmp"; }

Replacement replaceFileUnderLock(const std::string& path, const std::string& content) {
    const std::string tmp = temporaryPathOf(path);
    // Whatever sits under the temporary name is ours to drop: a file left by a
    // writer that died, or a link nobody should make us write through.
    if (::unlink(tmp.c_str()) != 0 && errno != ENOENT) throwErrno(errno, "cannot remove", tmp);
    const Descriptor file(::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY,
                                 S_IRUSR | S_IWUSR));
    if (file.fd < 0) throwErrno(errno, "cannot create the temporary file", tmp);
    bool renamed = false;
    struct Cleanup {
        const std::string& name;
        const bool& renamed;
        ~Cleanup() {
            if (!renamed) ::unlink(name.c_str());
        }
    } cleanup{tmp, renamed};

    if (::fchmod(file.fd, S_IRUSR | S_IWUSR) != 0) throwErrno(errno, "cannot set the mode of", tmp);
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(file.fd, data, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            throwErrno(errno, "cannot write", tmp);
        }
        if (n == 0) throwErrno(EIO, "cannot write", tmp);
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(file.fd) != 0) throwErrno(errno, "cannot fsync", tmp);
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) throwErrno(errno, "cannot stat", tmp);
    // rename() replaces a link at `path` itself, never its target.
    if (::rename(tmp.c_str(), path.c_str()) != 0) throwErrno(errno, "cannot rename over", path);
    renamed = true;

    Replacement done;
    done.id = idFromStat(st);  // a rename keeps the inode and the modification time
    done.directoryError = syncDirectory(directoryOf(path));
    done.directorySynced = done.directoryError == 0;
    return done;
}

int syncDirectory(const std::string& dir) {
    const Descriptor directory(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.fd < 0) return errno;
    return ::fsync(directory.fd) == 0 ? 0 : errno;
}

namespace {

// The whole content of the file or link at `path` (a link's target text), or
// nothing when it cannot be read.
bool contentOf(const std::string& path, std::string& content) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return false;
    if (S_ISLNK(st.st_mode)) {
        std::vector<char> target(static_cast<std::size_t>(st.st_size) + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) return false;
        content.assign("link:").append(target.data(), static_cast<std::size_t>(n));
        return true;
    }
    FileId id;
    const ReadStatus status = readBoundedFile(path, static_cast<std::size_t>(st.st_size) + 1, content, id);
    return status == ReadStatus::ok || status == ReadStatus::empty;
}

}  // namespace

std::string keepAside(const std::string& path) {
    const std::string dir = directoryOf(path);
    const std::string prefix = path.substr(path.find_last_of('/') + 1) + ".corrupt-";
    // The copies kept so far, oldest first (their names sort by time).
    std::vector<std::string> kept;
    if (DIR* listing = ::opendir(dir.c_str())) {
        while (const dirent* entry = ::readdir(listing)) {
            if (std::string(entry->d_name).rfind(prefix, 0) == 0) kept.push_back(dir + "/" + entry->d_name);
        }
        ::closedir(listing);
    }
    std::sort(kept.begin(), kept.end());
    std::string content;
    if (contentOf(path, content)) {
        for (const std::string& copy : kept) {
            std::string other;
            if (contentOf(copy, other) && other == content) return copy;
        }
    }

    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    char stamp[32] = {};
    if (gmtime_r(&now, &utc) == nullptr || std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc) == 0)
        return "";
    const std::string base = path + ".corrupt-" + stamp;
    std::string name;
    for (int attempt = 0; attempt < 100 && name.empty(); ++attempt) {
        const std::string candidate = attempt == 0 ? base : base + "-" + std::to_string(attempt);
        // link() does not follow a symbolic link: a link is kept as a link.
        if (::link(path.c_str(), candidate.c_str()) == 0) {
            name = candidate;
            break;
        }
        if (errno == EEXIST) continue;
        if (errno != EPERM && errno != ENOTSUP && errno != EMLINK) return "";
        // No hard links here: move the file instead, never over an existing name.
        struct stat st {};
        if (::lstat(candidate.c_str(), &st) == 0) continue;
        if (::rename(path.c_str(), candidate.c_str()) != 0) return "";
        name = candidate;
    }
    if (name.empty()) return "";
    // Only the newest copies stay.
    kept.push_back(name);
    std::sort(kept.begin(), kept.end());
    for (std::size_t i = 0; i + kMaxKeptAside < kept.size(); ++i) ::unlink(kept[i].c_str());
    syncDirectory(dir);  // the replacement that follows fsyncs it again
    return name;
}

}  // namespace xmlstore
}  // namespace ZUR
